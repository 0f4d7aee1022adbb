#include "lote.h"

#include "atlascli.h"
#include "calculo.h"
#include "mensagens.h"
#include "motormapa.h"

#include <cstdio>

namespace {
const char* const kCorpos[12] = {"sol",   "lua",     "mercurio", "venus",   "marte", "jupiter",
                                 "saturno", "urano", "neptuno",  "plutao",  "nodo",  "lua_negra"};
const char* const kPartes[7] = {"fortuna", "devir", "inteligencia", "amor", "audacia", "felicidade", "dever"};

QString graus(double rads) { return QString::number(rads * 180.0 / PI_NATALIS, 'f', 6); }

QStringList cabecalho() {
    QStringList c{"nome", "data", "hora", "fuso", "latitude", "longitude"};
    for (const char* n : kCorpos)
        c << QString::fromLatin1(n);
    for (int h = 1; h <= 12; ++h)
        c << QStringLiteral("casa%1").arg(h);
    for (const char* n : kPartes)
        c << QString::fromLatin1(n);
    for (const char* n : kCorpos)
        c << QStringLiteral("retro_") + QString::fromLatin1(n);
    c << QStringLiteral("motor") << QStringLiteral("casas");
    return c;
}

// Messages of one batch line go to standard error with the line's number.
class MensagensLinha : public Mensagens {
public:
    int linha = 0;
    RespostaMsg Mostra(IconeMsg, const QString&, const QString& texto, BotoesMsg botoes) override {
        std::fprintf(stderr, "natalis-cli: linha %d: %s\n", linha, qUtf8Printable(QString(texto).replace('\n', "; ")));
        return botoes == BotoesMsg::Ok ? RespostaMsg::Ok : RespostaMsg::Nao;
    }
};
} // namespace

bool LeEscolhaCalculo(const QString& motor, const QString& casas, EscolhaCalculo& e, QString* erro) {
    const auto m = LeMotor(motor);
    const auto s = LeCasas(casas);
    QString porque;
    if (!motor.trimmed().isEmpty() && !m)
        porque = QStringLiteral("motor desconhecido «") + motor + QStringLiteral("» (use classico ou preciso)");
    else if (!casas.trimmed().isEmpty() && !s)
        porque = QStringLiteral("sistema de casas desconhecido «") + casas +
                 QStringLiteral("» (use proprio, placidus, koch, regiomontanus, campanus, porfirio, iguais, "
                                "signos-inteiros, alcabitius, topocentrico, morinus ou a letra do swetest)");
    if (!porque.isEmpty()) {
        if (erro)
            *erro = porque;
        return false;
    }
    if (m)
        e.motor = *m;
    if (s)
        e.casas = *s;
    return true;
}

QList<QStringList> LeCsv(const QString& texto, QChar separador) {
    QList<QStringList> registos;
    QStringList actual;
    QString campo;
    bool aspas = false, algo = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (aspas) {
            if (c == u'"') {
                if (i + 1 < texto.size() && texto[i + 1] == u'"') {
                    campo += c;
                    ++i;
                } else {
                    aspas = false;
                }
            } else {
                campo += c;
            }
        } else if (c == u'"') {
            aspas = true;
            algo = true;
        } else if (c == separador) {
            actual << campo;
            campo.clear();
            algo = true;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < texto.size() && texto[i + 1] == u'\n')
                ++i;
            if (algo || !campo.isEmpty()) {
                actual << campo;
                registos << actual;
            }
            actual.clear();
            campo.clear();
            algo = false;
        } else {
            campo += c;
            algo = true;
        }
    }
    if (algo || !campo.isEmpty()) {
        actual << campo;
        registos << actual;
    }
    return registos;
}

QString LinhaCsv(const QStringList& campos) {
    QStringList l;
    for (const QString& c : campos) {
        if (c.contains(u',') || c.contains(u'"') || c.contains(u'\n') || c.contains(u'\r') || c.contains(u';'))
            l << u'"' + QString(c).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        else
            l << c;
    }
    return l.join(u',');
}

QByteArray CorreLote(const QByteArray& entrada, int& charts, int& falhas) {
    QString texto = QString::fromUtf8(entrada);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    const QString primeira = texto.section(u'\n', 0, 0);
    const QChar separador = primeira.count(u';') > primeira.count(u',') ? u';' : u',';
    const QList<QStringList> registos = LeCsv(texto, separador);

    QByteArray saida = LinhaCsv(cabecalho()).toUtf8() + '\n';
    saida.reserve(saida.size() + registos.size() * 512); // ~49 fields of up to 11 characters
    MensagensLinha caixa;
    CaixaTemporaria instalada(&caixa);
    CamposMapa c;
    Mapa mapa;
    charts = falhas = 0;
    const EscolhaCalculo escolhaDoLote = EscolhaCalculoActual();
    for (qsizetype n = 0; n < registos.size(); ++n) {
        const QStringList& r = registos[n];
        caixa.linha = static_cast<int>(n + 1);
        if (n == 0 && !r.isEmpty() && r[0].trimmed().compare(QStringLiteral("nome"), Qt::CaseInsensitive) == 0)
            continue;
        ++charts;
        if (r.size() < 8) {
            caixa.Mostra(IconeMsg::Exclamacao, QString(),
                         QStringLiteral("tem %1 campos e são precisos 8 (nome, sexo, data, hora, fuso, local, "
                                        "latitude, longitude)")
                             .arg(r.size()),
                         BotoesMsg::Ok);
            ++falhas;
            continue;
        }
        c.Limpa();
        c.txtNome = r[0].trimmed();
        const QString sexo = r[1].trimmed().toLower();
        if (!sexo.isEmpty() && !QStringLiteral("masculino").startsWith(sexo) &&
            !QStringLiteral("feminino").startsWith(sexo)) {
            caixa.Mostra(IconeMsg::Exclamacao, QString(),
                         QStringLiteral("o sexo «") + r[1] + QStringLiteral("» não é M (masculino) nem F (feminino)"),
                         BotoesMsg::Ok);
            ++falhas;
            continue;
        }
        c.sexoMasculino = !sexo.startsWith(u'f');
        c.txtData = r[2];
        c.txtHora = r[3];
        c.FusoHorario = r[4];
        c.txtlocal = r[5].trimmed();
        c.txtLatitude = r[6];
        c.txtlongitude = r[7];
        EscolhaCalculo escolha = escolhaDoLote;
        QString erro;
        const bool doAtlas = c.txtLatitude.trimmed().isEmpty() && c.txtlongitude.trimmed().isEmpty() &&
                             !c.txtlocal.isEmpty();
        if (!LeEscolhaCalculo(r.value(8), r.value(9), escolha, &erro) ||
            (doAtlas && !PreencheDoAtlas(c.txtlocal, c, &erro))) {
            caixa.Mostra(IconeMsg::Exclamacao, QString(), erro, BotoesMsg::Ok);
            ++falhas;
            continue;
        }
        EscolhaCalculoActual() = escolha;
        if (!Cast(c, mapa)) {
            ++falhas;
            continue;
        }
        QStringList l{c.txtNome, c.txtData, c.txtHora, c.FusoHorario, c.txtLatitude, c.txtlongitude};
        for (int i = 0; i < 12; ++i)
            l << graus(mapa.Corpo(i).Posicao().ValorRads());
        for (int h = 1; h <= 12; ++h)
            l << graus(mapa.Cuspide(h).ValorRads());
        for (int k = 0; k < 7; ++k)
            l << graus(mapa.Corpo(12 + k).Posicao().ValorRads());
        for (int i = 0; i < 12; ++i)
            l << (c.lblretrogrado[i] ? QStringLiteral("1") : QStringLiteral("0"));
        l << CodigoMotor(c.escolha.motor) << CodigoCasas(CasasUsadas(c));
        saida += LinhaCsv(l).toUtf8() + '\n';
    }
    EscolhaCalculoActual() = escolhaDoLote;
    return saida;
}
