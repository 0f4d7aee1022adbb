// Movela worked as a user works it: a chart opened, the period computed, filtered, sorted and a
// line opened at its exact moment; the moment's aspects against swetest; a solar return saved
// and read back as a chart; every text of movela.mdb expanded; natalis-cli's period list.
#include "ferramentas.h"
#include "swetest.h"
#include "../gui/ambientegui.h"
#include "aspectos.h"
#include "discocheio.h"
#include "ficheiromapa.h"
#include "fontedados.h"
#include "frmmovela.h"
#include "textosmovela.h"

#include <ranges>

namespace {
double Swetest(double jd, int corpo) { return SwetestNoDia(jd, corpo).longitude; }
// How far a body is from the exact aspect to a natal longitude, in arc seconds.
double Falta(double transito, double natal, int tipo) {
    const double a = AnguloAspecto(tipo);
    return 3600.0 * std::min(std::fabs(Reduz180(transito - natal - a)), std::fabs(Reduz180(transito - natal + a)));
}
// The code among `codigos` whose name is `nome`; -1 when none.
template <typename Codigos, typename Nome> int Codigo(const QString& nome, const Codigos& codigos, Nome nomeDe) {
    for (int c : codigos)
        if (nomeDe(c) == nome) return c;
    return -1;
}
double JdIso(const QString& t) { // "2027-05-03 14:22" in UT
    QDateTime d = QDateTime::fromString(t, "yyyy-MM-dd HH:mm");
    d.setTimeSpec(Qt::UTC);
    return JdDeDataHora(d);
}
} // namespace

class TestMovela : public QObject {
    Q_OBJECT
    std::unique_ptr<AmbienteGui> m_amb;
    QString m_mapa;
    FonteDados m_textos;

private slots:
    void initTestCase() {
        EXIGE_FERRAMENTA("swetest", "swetest");
        m_amb = std::make_unique<AmbienteGui>();
        m_mapa = m_amb->em("lisboa.anc");
        // Lisboa, 25/4/1974 0:25 at UTC+1: the zone makes every clock of the window differ from UT.
        QCOMPARE(QProcess::execute(NATALIS_PROGRAM_DIR "/natalis-cli",
                                   {"--nome", "Maria Silva", "--sexo", "F", "--data", "25/4/1974", "--hora", "0:25", "--fuso", "1",
                                    "--local", "Lisboa", "--latitude", "38º43' N", "--longitude", "9º8' W", "--guardar", m_mapa,
                                    "--silencioso"}),
                 0);
        QVERIFY(m_textos.Abre(NATALIS_PROGRAM_DIR "/movela.mdb", "interpretação"));
    }

    void periodoEMomento() {
        frmMovela w;
        w.DefineTextos(&m_textos);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.AbreMapa(m_mapa));
        QCOMPARE(w.natal().fuso, 1.0);
        filho<QTabWidget>(&w, "abas")->setCurrentIndex(1);
        filho<QDateEdit>(&w, "datInicio")->setDate(QDate(2027, 1, 1));
        filho<QDateEdit>(&w, "datFim")->setDate(QDate(2027, 12, 31));
        QTest::mouseClick(filho<QPushButton>(&w, "btnCalcular"), Qt::LeftButton);
        auto* lista = filho<QTableWidget>(&w, "tblPeriodo");
        auto* corpo = filho<QComboBox>(&w, "cmbCorpo");
        corpo->setCurrentIndex(corpo->findText("Saturno"));
        // Sorted by the entry date through its header: by the date, not by the text's day first.
        QTest::mouseClick(lista->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(lista->horizontalHeader()->sectionViewportPosition(3) + 5, 5));
        QDateTime antes;
        int visiveis = 0, linha = -1;
        for (int r = 0; r < lista->rowCount(); ++r) {
            if (lista->isRowHidden(r)) continue;
            ++visiveis;
            QCOMPARE(lista->item(r, 0)->text(), QString("Saturno"));
            const QDateTime d = QDateTime::fromString(lista->item(r, 3)->text(), "dd/MM/yyyy HH:mm");
            if (!d.isValid()) continue; // an ingress or a station has no entry
            QVERIFY2(!antes.isValid() || antes <= d, qPrintable(lista->item(r, 3)->text()));
            antes = d;
            const EventoTransito* e = w.EventoDaLinha(r);
            if (linha < 0 && e->tipo == TipoEvento::Aspecto && !e->exactos.empty() && CodigoTextoMovela(*e)) linha = r;
        }
        QVERIFY(visiveis > 3 && visiveis < int(w.Eventos().size()));
        QVERIFY2(linha >= 0, "nenhum aspecto de Saturno com texto em 2027");

        // The outputs hold what is shown: the CSV the visible lines only, the PDF their text.
        QVERIFY(w.ExportaCsv(m_amb->em("saturno.csv")) && w.ExportaPdf(m_amb->em("saturno.pdf")));
        const QStringList linhasCsv = QString::fromUtf8(DiscoCheio::conteudo(m_amb->em("saturno.csv"))).split(QRegularExpression("\\r?\\n"), Qt::SkipEmptyParts);
        QCOMPARE(linhasCsv.size(), visiveis + 1);
        QVERIFY(linhasCsv.mid(1).filter(",Saturno,").size() == visiveis);
        const QString textoPdf = corre("pdftotext", {m_amb->em("saturno.pdf"), "-"});
        QVERIFY2(textoPdf.count("Saturno") >= visiveis && textoPdf.contains("Maria Silva"), qPrintable(textoPdf.left(400)));

        // The line chosen shows its text, with the native's name and her sex's words.
        lista->selectRow(linha);
        const QString texto = w.TextoMostrado();
        QVERIFY2(texto.contains("Maria Silva") && !texto.contains('|') && !texto.contains('{'), qPrintable(texto));

        // Opened at its first exact pass: the clock shown is the birth zone's, the aspect is there.
        const EventoTransito e = *w.EventoDaLinha(linha);
        lista->scrollToItem(lista->item(linha, 1));
        const QRect celula = lista->visualItemRect(lista->item(linha, 1));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, celula.center());
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, celula.center());
        QCOMPARE(filho<QTabWidget>(&w, "abas")->currentIndex(), 0);
        const double jd = JdDeDataHora(w.Momento());
        QVERIFY2(std::fabs(jd - e.exactos.front()) < 1.0 / 1440, qPrintable(QString("%1 %2").arg(jd, 0, 'f', 5).arg(e.exactos.front(), 0, 'f', 5)));
        QCOMPARE(filho<QDateTimeEdit>(&w, "dtMomento")->text(),
                 DataHoraDeJd(e.exactos.front() + 1.0 / 24).toString("dd/MM/yyyy HH:mm"));

        // Another moment typed in: the Sun's aspects listed are those swetest gives within 1°.
        filho<QDateTimeEdit>(&w, "dtMomento")->setDateTime(QDateTime(QDate(2027, 6, 1), QTime(12, 0), Qt::UTC));
        const double sol = Swetest(JdDeDataHora(QDateTime(QDate(2027, 6, 1), QTime(11, 0), Qt::UTC)), 0);
        QSet<QString> esperados, listados;
        for (const PontoNatal& p : w.natal().pontos)
            for (int t : TIPOS_ASPECTO)
                if (Falta(sol, p.longitude, t) < 3600.0) esperados << NomeAspecto(t) + ' ' + NomePontoNatal(p.codigo);
        auto* aspectos = filho<QTableWidget>(&w, "tblAspectos");
        for (int r = 0; r < aspectos->rowCount(); ++r)
            if (aspectos->item(r, 0)->text() == "Sol") listados << aspectos->item(r, 1)->text() + ' ' + aspectos->item(r, 2)->text();
        QCOMPARE(listados, esperados);
        QVERIFY(w.ExportaRoda(m_amb->em("roda.png")) && w.ExportaRoda(m_amb->em("roda.svg")));
        QCOMPARE(QImage(m_amb->em("roda.png")).size(), QSize(900, 900));
        QVERIFY(DiscoCheio::conteudo(m_amb->em("roda.svg")).contains("<svg"));
    }

    void revolucaoGuardada() {
        frmMovela w;
        w.show();
        QVERIFY(w.AbreMapa(m_mapa));
        filho<QTabWidget>(&w, "abas")->setCurrentIndex(4);
        filho<QDateEdit>(&w, "datRetorno")->setDate(QDate(2027, 5, 1));
        QTest::mouseClick(filho<QPushButton>(&w, "btnRetorno"), Qt::LeftButton);
        QVERIFY(filho<QLabel>(&w, "lblRetorno")->text().contains("Revolução solar de Maria Silva, 2027"));
        const QString caminho = m_amb->em("revolucao.anc");
        QVERIFY(w.GuardaRetorno(caminho));
        // Read back as Natalis reads a chart: the Sun at its natal place, to the second, at Lisboa.
        CamposMapa campos;
        Mapa mapa;
        Natal n;
        QVERIFY(OpenFile(caminho, campos, mapa, {}, false));
        QVERIFY(NatalDoMapa(campos, mapa, n));
        QVERIFY(std::fabs(Reduz180(n.Longitude(0) - w.natal().Longitude(0))) * 3600.0 < 1.0);
        QVERIFY(std::fabs(n.jd - JdDeDataHora(QDateTime(QDate(2027, 4, 25), QTime(0, 0), Qt::UTC))) < 1.5);
        QCOMPARE(campos.txtlocal, QString("Lisboa"));
        QVERIFY(std::fabs(n.latitude - w.natal().latitude) < 1e-6);
        // Cast for a place of the atlas instead: its coordinates and its legal time then (São
        // Paulo has kept UTC−3 all year since 2019), the Ascendant as swetest has it there.
        LocalAtlas saoPaulo;
        saoPaulo.nome = "São Paulo (São Paulo, Brasil)";
        saoPaulo.latitude = "23º33'S", saoPaulo.longitude = "46º38'W", saoPaulo.fuso = "America/Sao_Paulo";
        w.DefineLocalRetorno(saoPaulo);
        const double t = w.CalculaRetorno(TipoRetorno::Solar, QDate(2027, 5, 1));
        QVERIFY(w.GuardaRetorno(caminho));
        QVERIFY(OpenFile(caminho, campos, mapa, {}, false) && NatalDoMapa(campos, mapa, n));
        QCOMPARE(campos.txtlocal, QString("São Paulo (São Paulo, Brasil)"));
        QCOMPARE(campos.FusoHorario, QString("-3h0'0''"));
        // The Ascendant at the exact instant there, as house 1.
        const QStringList pedido{QString("-bj%1").arg(t, 0, 'f', 8), "-ut", "-p0", "-house-46.633333,-23.55,P", "-fPl", "-head"};
        const QString linha = corre("swetest", pedido).section("house  1", 1, 1).section('\n', 0, 0);
        const double asc = linha.trimmed().toDouble();
        QVERIFY2(!linha.isEmpty() && std::fabs(Reduz180(n.Longitude(PONTO_ASCENDENTE) - asc)) * 3600.0 < 2.0,
                 qPrintable(QString::number(n.Longitude(PONTO_ASCENDENTE), 'f', 5) + " / " + linha));
    }

    void textos() {
        // Each of Júpiter .. Plutão in each aspect to Sol .. Marte and the angles, and the
        // progressed Moon in each house: a text, its markup expanded for a man and a woman.
        CamposMapa campos;
        campos.txtNome = "Rui";
        int achados = 0;
        for (bool masculino : {true, false}) {
            campos.sexoMasculino = masculino;
            QSet<QString> distintos; // no two transits share a text
            for (int corpo = 5; corpo <= 9; ++corpo)
                for (int ponto : {0, 1, 2, 3, 4, PONTO_ASCENDENTE, PONTO_MEIO_CEU})
                    for (int t : TIPOS_ASPECTO) {
                        EventoTransito e;
                        e.corpo = corpo, e.alvo = ponto, e.aspecto = t;
                        const QString s = TextoMovela(m_textos, CodigoTextoMovela(e), campos);
                        QVERIFY2(s.contains("Rui") && !s.contains('|') && !s.contains('{'), qPrintable(QString::number(CodigoTextoMovela(e))));
                        distintos << s;
                        ++achados;
                    }
            QCOMPARE(distintos.size(), 175);
            for (int casa = 1; casa <= 12; ++casa) {
                EventoTransito e;
                e.tipo = TipoEvento::Casa, e.corpo = 1, e.alvo = casa;
                QVERIFY(!TextoMovela(m_textos, CodigoTextoMovela(e, true), campos).isEmpty());
                QVERIFY(TextoMovela(m_textos, CodigoTextoMovela(e), campos).isEmpty()); // the transiting Moon's: none
            }
        }
        QCOMPARE(achados, 2 * 175);
    }

    void cliLista() {
        // natalis-cli's CSV of 2027: every exact pass of the slow bodies on swetest, to 2″.
        const QString csv = m_amb->em("t.csv");
        QCOMPARE(QProcess::execute(NATALIS_PROGRAM_DIR "/natalis-cli",
                                   {"--abrir", m_mapa, "--transitos", "2027-01-01", "2027-12-31", "--saida", csv, "--silencioso"}),
                 0);
        frmMovela w; // the chart as Movela reads it
        QVERIFY(w.AbreMapa(m_mapa));
        const Natal& n = w.natal();
        const QStringList linhas = QString::fromUtf8(DiscoCheio::conteudo(csv)).split(QRegularExpression("\\r?\\n"), Qt::SkipEmptyParts);
        QCOMPARE(linhas.first(), QString("tipo,transitante,relação,alvo,entrada,exacto,saída"));
        int verificados = 0, estacoes = 0;
        for (const QString& l : linhas.mid(1)) {
            const QStringList c = l.split(',');
            QCOMPARE(c.size(), 7);
            const int corpo = Codigo(c[1], std::views::iota(0, N_TRANSITANTES), NomeTransitante);
            QVERIFY2(corpo >= 0, qPrintable(l));
            if (c[0] == "estação") ++estacoes;
            if (c[0] != "aspecto" || corpo < 5 || corpo > 9) continue;
            const double alvo = n.Longitude(Codigo(c[3], std::views::iota(0, N_PONTOS_NATAIS), NomePontoNatal));
            const int tipo = Codigo(c[2], TIPOS_ASPECTO, NomeAspecto);
            for (const QString& t : c[5].split("; ", Qt::SkipEmptyParts)) {
                QVERIFY2(Falta(Swetest(JdIso(t), corpo), alvo, tipo) < 2.0, qPrintable(l));
                ++verificados;
            }
        }
        QVERIFY(verificados > 10);
        QVERIFY(estacoes >= 8); // Mercúrio three or four times a year, and each slow body twice
    }
};

QTEST_MAIN(TestMovela)
#include "test_movela.moc"
