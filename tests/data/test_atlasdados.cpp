// The shipped atlas: places that used to carry a wrong zone, a place of every Portuguese-speaking
// country, and the legal-time history their zones give. Reference offsets are historical facts
// checked by hand (decrees as the tz database's comments record them), not read back from the atlas.
#include "atlas.h"
#include "fusohorario.h"
#include "normaliza.h"

#include <QTemporaryDir>
#include <QtTest>

using S = FusoLocal::Situacao;
Q_DECLARE_METATYPE(S)

namespace {
const QString kBase = QStringLiteral(NATALIS_PROGRAM_DIR "/locais.mdb");

// The offset at a birth in this atlas place, at local noon.
double Offset(const LocalAtlas& l, const QDate& d) {
    return FusoParaLocal(l.fuso, d, QTime(12, 0), -NormalizaLongitude(l.longitude).valor * 15.0).horas;
}
// Rows of places and their offsets on one date.
void noDia(const QDate& d, std::initializer_list<std::pair<const char*, double>> locais) {
    for (const auto& [l, horas] : locais)
        QTest::addRow("%s, %d/%d", l, d.month(), d.year()) << QString::fromUtf8(l) << d << horas;
}
// Rows of places whose offset on one date is the same.
void grupo(const QDate& d, double horas, std::initializer_list<const char*> locais) {
    for (const char* l : locais)
        noDia(d, {{l, horas}});
}
} // namespace

class TestAtlasDados : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;
    Atlas m_atlas;

    // The one place the text names; an empty one, the candidates warned of, when it is not one.
    LocalAtlas um(const QString& texto) {
        const EscolhaAtlas e = EscolheLocal(m_atlas, texto);
        for (const LocalAtlas& l : e.candidatos)
            if (!e.local) qWarning("%s: %s?", qPrintable(texto), qPrintable(l.nome));
        return e.local.value_or(LocalAtlas{});
    }

private slots:
    void initTestCase() {
        QString erro;
        QVERIFY2(m_atlas.Abre(kBase, m_pasta.filePath(QStringLiteral("proprios.db")), &erro), qPrintable(erro));
    }

    void fusos_data() {
        QTest::addColumn<QString>("texto"); QTest::addColumn<QDate>("data"); QTest::addColumn<double>("horas");
        // Portuguese towns on the Spanish border: Portugal was at +1 in summer 1990, Spain at +2.
        grupo({1990, 7, 15}, 1, {"Alcoutim, Portugal", "Barrancos, Portugal", "Monção, Portugal", "Moura, Beja",
                                 "Mourão, Portugal", "Valença, Viana do Castelo"});
        // Timor-Leste keeps +9 since 2000; Indonesia's Makassar zone is +8.
        grupo(
            {2020, 6, 15}, 9,
            {"Díli", "Baucau, Timor", "Maliana, Timor", "Suai, Timor", "Lospalos, Timor", "Viqueque, Timor"});
        // Foreign places by their Portuguese names (Belgrado).
        noDia({2020, 1, 15}, {{"Cockburn Town, Turcas", -5}, {"Saint-Pierre, São Pedro", -3}, {"Kralendijk", -4},
                              {"Farim", 0}, {"Ebebiyin", 1}, {"Mongomo", 1}, {"Pago Pago", -11}, {"Belgrado, Sérvia", 1}});
        // Capitals of the Portuguese-speaking countries and Macau; São Tomé was at +1 in 2018 only.
        noDia({2020, 6, 15}, {{"Lisboa, Lisboa", 1}, {"Luanda", 1}, {"Malabo", 1}, {"Brasília, Distrito Federal", -3},
                              {"Maputo", 2}, {"Praia, Cabo Verde", -1}, {"Bissau, Guiné", 0}, {"São Tomé, São Tomé", 0},
                              {"Macau, Macau", 8}});
        noDia({2018, 6, 15}, {{"São Tomé, São Tomé", 1}});
        // Portugal kept +1 all year from 3 April 1966 to 26 September 1976.
        for (const auto& [data, horas] : {std::pair{QDate(1966, 1, 15), 0}, {QDate(1966, 7, 15), 1}, {QDate(1970, 1, 15), 1},
                                          {QDate(1975, 12, 15), 1}, {QDate(1976, 12, 15), 0}})
            noDia(data, {{"Lisboa, Portugal", horas}});
        // Madeira and the Azores: an hour apart, as their longitudes are 11° apart.
        noDia({2020, 1, 15}, {{"Calheta, Madeira", 0}, {"Calheta, Açores", -1}});
        // Brazil: one summer with daylight saving per state (every state had one at some time),
        // at its capital: the state's standard offset plus one hour.
        grupo({2018, 1, 15}, -2,
              {"São Paulo, São Paulo", "Rio de Janeiro, Rio de Janeiro", "Belo Horizonte, Minas",
               "Vitória, Espírito Santo", "Goiânia, Goiás", "Brasília, Distrito Federal", "Curitiba, Paraná",
               "Florianópolis, Santa Catarina", "Porto Alegre, Rio Grande do Sul"});
        grupo({2018, 1, 15}, -3, {"Campo Grande, Mato Grosso do Sul", "Cuiabá, Mato Grosso"});
        noDia({2012, 1, 15}, {{"Salvador, Bahia", -2}});
        noDia({2013, 1, 15}, {{"Palmas, Tocantins", -2}});
        grupo({2000, 1, 15}, -2,
              {"Recife, Pernambuco", "Fortaleza, Ceará", "Maceió, Alagoas", "Aracaju, Sergipe",
               "João Pessoa, Paraíba", "Natal, Rio Grande do Norte", "Teresina, Piauí",
               "São Luís, Maranhão"});
        noDia({2000, 1, 15}, {{"Boa Vista, Roraima", -3}, {"Fernando de Noronha, Pernambuco", -1}});
        noDia({1994, 1, 15}, {{"Manaus, Amazonas", -3}});
        noDia({1987, 1, 15}, {{"Belém, Pará, Brasil", -2}, {"Macapá, Amapá", -2}, {"Porto Velho, Rondônia", -3},
                              {"Rio Branco, Acre", -4}});
    }
    void fusos() {
        QFETCH(QString, texto); QFETCH(QDate, data); QFETCH(double, horas);
        const LocalAtlas l = um(texto);
        QVERIFY2(!l.nome.isEmpty(), qPrintable(texto));
        QCOMPARE(Offset(l, data), horas);
    }

    // Portugal's legal time in the tz database, as the window explains it: CEST in the summer of
    // 1994 (CET/CEST from 1992-09-27 to 1996-03-31); a gap and a repeated hour at each change,
    // both offsets named; before 1912 the place's own mean time (Porto, 8°36'40'' W: 0h34m27s
    // behind Greenwich); Newfoundland's half hour (NST, UTC-3:30).
    void horaLegal_data() {
        QTest::addColumn<QString>("zona"); QTest::addColumn<QDate>("data"); QTest::addColumn<QTime>("hora");
        QTest::addColumn<S>("situacao"); QTest::addColumn<QString>("explicacao"); // part of what the window says
        const QString lisboa = QStringLiteral("Europe/Lisbon");
        QTest::newRow("Verão de 1994, CEST") << lisboa << QDate(1994, 7, 15) << QTime(10, 0) << S::Normal << "): UTC+2h.";
        QTest::newRow("Porto em 1900") << lisboa << QDate(1900, 5, 3) << QTime(8, 0) << S::HoraMediaLocal
                                       << "hora média local do lugar de nascimento, UTC\u22120h34m27s.";
        // 29 March 2020: 01:00 WET jumped to 02:00 WEST; 25 October 2020: 02:00 WEST went back to 01:00.
        QTest::newRow("hora saltada") << lisboa << QDate(2020, 3, 29) << QTime(1, 30) << S::Inexistente
                                      << "Foi usado UTC+0h (depois da mudança seria UTC+1h)";
        QTest::newRow("hora repetida") << lisboa << QDate(2020, 10, 25) << QTime(1, 30) << S::Repetida
                                       << "(UTC+1h ou UTC+0h). Foi usado UTC+1h";
        QTest::newRow("meia hora") << "America/St_Johns" << QDate(2000, 1, 10) << QTime(12, 0) << S::Normal
                                   << "): UTC\u22123h30.";
        QTest::newRow("zona desconhecida") << "Lua/Mare_Tranquillitatis" << QDate(2000, 1, 10) << QTime(12, 0)
                                           << S::ZonaDesconhecida << "preencha o fuso à mão";
    }
    void horaLegal() {
        QFETCH(QString, zona); QFETCH(QDate, data); QFETCH(QTime, hora); QFETCH(S, situacao);
        QFETCH(QString, explicacao);
        const FusoLocal f = FusoParaLocal(zona, data, hora, -(8 + 36 / 60.0 + 40 / 3600.0));
        QCOMPARE(f.situacao, situacao);
        QVERIFY2(ExplicaFuso(zona, f).contains(explicacao), qPrintable(ExplicaFuso(zona, f)));
    }

    // The two Calhetas near 17° W (Madeira) and 28° W (Azores). (Every seat once: test_basedados.)
    void calhetas() {
        const double madeira = NormalizaLongitude(um(QStringLiteral("Calheta, Madeira")).longitude).valor * 15.0;
        const double acores = NormalizaLongitude(um(QStringLiteral("Calheta, Açores")).longitude).valor * 15.0;
        QVERIFY2(madeira > 17.0 && madeira < 17.4, qPrintable(QString::number(madeira)));
        QVERIFY2(acores > 27.9 && acores < 28.2, qPrintable(QString::number(acores)));
    }

    // Search by any word's start, without accents or case, most populous first; the place named
    // exactly so before the more populous Arco da Calheta. (The atlas window's search rows show
    // the accent-free and first-word cases through the window.)
    void procura_data() {
        QTest::addColumn<QString>("texto"); QTest::addColumn<QString>("pais"); // ranked first
        QTest::addColumn<QString>("local");
        QTest::addColumn<int>("ate"); // found among the first `ate` rows
        QTest::newRow("segunda palavra") << "paulo" << "" << "São Paulo (São Paulo, Brasil)" << 10;
        QTest::newRow("cidade estrangeira") << "São Paulo" << "Portugal" << "São Paulo (São Paulo, Brasil)" << 1;
        QTest::newRow("maiúsculas") << "RECIFE" << "Portugal" << "Recife (Pernambuco, Brasil)" << 1;
        QTest::newRow("com região") << "calheta, madeira" << "" << "Calheta (Madeira, Portugal)" << 1;
        QTest::newRow("nome inglês") << "lisbon, portugal" << "" << "Lisboa (Lisboa, Portugal)" << 1;
        // Valença do Minho (about 14,000 people), smaller than those of Bahia and Rio de Janeiro.
        QTest::newRow("Valença em Portugal") << "Valença" << "Portugal" << "Valença (Viana do Castelo, Portugal)" << 1;
        QTest::newRow("Valença sem país") << "valenca" << "" << "Valença (Bahia, Brasil)" << 1;
        // A prefix: the country's places before a larger foreign one (Valencia, Spain).
        QTest::newRow("prefixo em Portugal") << "valen" << "Portugal" << "Valença (Viana do Castelo, Portugal)" << 1;
        // Regions of foreign countries under their Portuguese names, also after a comma.
        QTest::newRow("Castela e Leão") << "burgos, castela" << "Portugal" << "Burgos (Castela e Leão, Espanha)" << 1;
        QTest::newRow("Sicília") << "Palermo" << "Portugal" << "Palermo (Sicília, Itália)" << 1;
    }
    void procura() {
        QFETCH(QString, texto); QFETCH(QString, pais); QFETCH(QString, local); QFETCH(int, ate);
        m_atlas.DefinePaisPrimeiro(pais);
        QStringList nomes;
        for (const LocalAtlas& l : m_atlas.Procura(texto, 20))
            nomes << l.nome;
        m_atlas.DefinePaisPrimeiro(QString());
        QVERIFY2(nomes.indexOf(local) >= 0 && nomes.indexOf(local) < ate, qPrintable(nomes.join("; ")));
    }

    // A seat with the population the sources give: GeoNames has Valença's under "Valenza".
    void populacaoDasSedes() {
        QVERIFY(m_atlas.FindLocal(QStringLiteral("Valença (Viana do Castelo, Portugal)")).value_or(LocalAtlas{}).populacao > 10000);
    }

    // A damaged shipped atlas is refused with the reinstall message, never read as an atlas
    // without the place: cut to half, emptied, its header overwritten, 16 KiB of noise inside.
    void atlasDanificado_data() {
        QTest::addColumn<qint64>("inicio");
        QTest::addColumn<qint64>("tamanho"); // bytes of noise; -1 cuts the file at `inicio` per mil
        QTest::newRow("metade") << qint64(500) << qint64(-1);
        QTest::newRow("vazio") << qint64(0) << qint64(-1);
        QTest::newRow("cabeçalho") << qint64(0) << qint64(100);
        QTest::newRow("ruído a meio") << qint64(500) << qint64(16 * 1024);
    }
    void atlasDanificado() {
        QFETCH(qint64, inicio); QFETCH(qint64, tamanho);
        const QString copia = m_pasta.filePath(QStringLiteral("danificado.mdb"));
        QFile::remove(copia);
        QVERIFY(QFile::copy(kBase, copia));
        QFile f(copia);
        QVERIFY(f.open(QIODevice::ReadWrite));
        if (tamanho < 0) {
            QVERIFY(f.resize(f.size() * inicio / 1000));
        } else {
            QByteArray ruido(tamanho, Qt::Uninitialized);
            for (qsizetype k = 0; k < ruido.size(); ++k) ruido[k] = char((k * 7919 + 13) % 251);
            QVERIFY(f.seek(f.size() * inicio / 1000) && f.write(ruido) == tamanho);
        }
        f.close();
        Atlas a;
        QString erro;
        QVERIFY(!a.Abre(copia, m_pasta.filePath(QStringLiteral("proprios-%1.db").arg(QTest::currentDataTag())), &erro));
        QCOMPARE(erro, MensagemAtlasDanificado());
    }

    // A damaged file of the user's own places (cut short, or a folder in its stead) is put aside
    // under a new name, said once, and the shipped places are still found.
    void propriosDanificados_data() {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("pasta") << "pasta";
        QTest::newRow("cortado") << "cortado";
    }
    void propriosDanificados() {
        QFETCH(QString, tipo);
        QTemporaryDir d;
        const QString proprios = d.filePath(QStringLiteral("locais-proprios.db"));
        if (tipo == QLatin1String("pasta")) {
            QVERIFY(QDir().mkpath(proprios + QStringLiteral("/x")));
        } else {
            Atlas inicial; // a real file of own places, with one place stored
            QVERIFY(inicial.Abre(kBase, proprios));
            QVERIFY(!inicial.Procura(QStringLiteral("Lisboa")).isEmpty());
            LocalAtlas l = inicial.Procura(QStringLiteral("Lisboa")).first();
            l.nome = QStringLiteral("Casa da avó (Lisboa, Portugal)");
            l.original.clear();
            QVERIFY(inicial.Guarda(l));
        }
        QFile f(proprios);
        if (tipo == QLatin1String("cortado")) QVERIFY(f.open(QIODevice::ReadWrite) && f.resize(f.size() / 2));
        f.close();
        Atlas a;
        QVERIFY(a.Abre(kBase, proprios));
        QVERIFY(!a.Procura(QStringLiteral("Lisboa")).isEmpty());
        QVERIFY2(a.Aviso().contains(QStringLiteral("danificado")), qPrintable(a.Aviso()));
        const QStringList postos = QDir(d.path()).entryList({QStringLiteral("locais-proprios.danificado-*.db")},
                                                           QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(postos.size(), 1);
        QVERIFY(!QFileInfo::exists(proprios));
    }
};

QTEST_GUILESS_MAIN(TestAtlasDados)
#include "test_atlasdados.moc"
