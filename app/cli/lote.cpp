#include "lote.h"

#include "aaf.h"
#include "atlascli.h"
#include "calculo.h"
#include "cp1252.h"
#include "efemerides.h"
#include "mensagens.h"
#include "motormapa.h"

#include <cmath>
#include <cstdio>

namespace {
const char* const kCorpos[12] = {"sol",   "lua",     "mercurio", "venus",   "marte", "jupiter",
                                 "saturno", "urano", "neptuno",  "plutao",  "nodo",  "lua_negra"};
const char* const kPartes[7] = {"fortuna", "devir", "inteligencia", "amor", "audacia", "felicidade", "dever"};

QStringList cabecalho() {
    QStringList c{"nome", "sexo", "data", "data_iso", "hora", "fuso", "local", "latitude", "longitude", "latitude_graus",
                  "longitude_graus"};
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

QString LinhaCsv(const QStringList& campos, QChar separador) {
    QStringList l;
    for (const QString& c : campos) {
        // A decimal comma under ';' stays bare, so that spreadsheets take it for a number.
        if (c.contains(separador) || c.contains(u'"') || c.contains(u'\n') || c.contains(u'\r') ||
            (separador == u',' && c.contains(u';')))
            l << u'"' + QString(c).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        else
            l << c;
    }
    return l.join(separador);
}

QString DataIso(const QString& data) {
    const RegistoTempo t = LerDataHora(data, QString());
    if (t.dia < 1 || t.mes < 1 || t.mes > 12)
        return QString();
    return (t.ano < 0 ? QStringLiteral("-") : QString()) + QStringLiteral("%1-%2-%3")
                                                            .arg(std::abs(int(t.ano)), 4, 10, QLatin1Char('0'))
                                                            .arg(int(t.mes), 2, 10, QLatin1Char('0'))
                                                            .arg(int(t.dia), 2, 10, QLatin1Char('0'));
}

QStringList ColunasLote(const CamposMapa& c, const Mapa& mapa, const FormatoLote& formato) {
    const auto numero = [&](double graus) {
        QString t = QString::number(graus, 'f', 6);
        if (formato.decimal != u'.')
            t.replace(u'.', formato.decimal);
        return t;
    };
    const auto rads = [&](double r) { return numero(r * 180.0 / PI_NATALIS); };
    // The window's latitude (north positive) and longitude (hours, west positive) as signed
    // degrees, north and east positive.
    PosSigno latitude;
    latitude.SetonbyString(c.txtLatitude);
    QStringList l{c.txtNome,  c.sexoMasculino ? QStringLiteral("M") : QStringLiteral("F"),
                  c.txtData,  DataIso(c.txtData),
                  c.txtHora,  c.FusoHorario,
                  c.txtlocal, c.txtLatitude,
                  c.txtlongitude, numero(latitude.ValorGraus()),
                  numero(LongitudeLesteGraus(c.txtlongitude))};
    auto& m = const_cast<Mapa&>(mapa);
    for (int i = 0; i < 12; ++i)
        l << rads(m.Corpo(i).Posicao().ValorRads());
    for (int h = 1; h <= 12; ++h)
        l << rads(m.Cuspide(h).ValorRads());
    for (int k = 0; k < 7; ++k)
        l << rads(m.Corpo(12 + k).Posicao().ValorRads());
    for (int i = 0; i < 12; ++i)
        l << (c.lblretrogrado[i] ? QStringLiteral("1") : QStringLiteral("0"));
    l << CodigoMotor(c.escolha.motor) << CodigoCasas(CasasUsadas(c));
    return l;
}

QByteArray CorreLote(const QByteArray& entrada, int& charts, int& falhas, const FormatoLote& formato,
                     QList<CamposMapa>* lancados) {
    // UTF-8 (with or without its mark) or Windows-1252, as spreadsheets and editors save CSV.
    const QString texto = DecodificaTexto(entrada);
    const QString primeira = texto.section(u'\n', 0, 0);
    const QChar separador = primeira.count(u';') > primeira.count(u',') ? u';' : u',';
    const QList<QStringList> registos = LeCsv(texto, separador);

    QByteArray saida = (formato.marca ? QByteArray("\xEF\xBB\xBF") : QByteArray()) +
                       LinhaCsv(cabecalho(), formato.separador).toUtf8() + '\n';
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
        saida += LinhaCsv(ColunasLote(c, mapa, formato), formato.separador).toUtf8() + '\n';
        if (lancados)
            lancados->append(c);
    }
    EscolhaCalculoActual() = escolhaDoLote;
    return saida;
}
