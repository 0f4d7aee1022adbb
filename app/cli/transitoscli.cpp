// --transitos INÍCIO FIM: the transits of a period over the chart opened or cast, one line
// each on the standard output, or as CSV in the --saida file. Instants in universal time.
#include "gravacao.h"
#include "listagem.h"
#include "pontual.h"
#include "saidas.h"
#include "tempo.h"

#include <QDate>
#include <QRegularExpression>
#include <cstdio>

namespace {
void Escreve(FILE* f, const QString& t) {
    const QByteArray b = t.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), f);
}

// "2027-01-01" or "1/1/2027": the Julian day of its midnight in universal time.
bool LeData(const QString& texto, double& jd) {
    QDate d = QDate::fromString(texto.trimmed(), Qt::ISODate);
    if (!d.isValid()) d = QDate::fromString(texto.trimmed(), QStringLiteral("d/M/yyyy"));
    if (!d.isValid()) return false;
    jd = DiaJuliano0h(d.day(), d.month(), d.year());
    return true;
}

int Transitos(const QString& valor, CamposMapa& campos, Mapa& mapa) {
    const QStringList datas = valor.split(QRegularExpression(QStringLiteral("[ ,]+")), Qt::SkipEmptyParts);
    PedidoPeriodo p;
    if (datas.size() != 2 || !LeData(datas[0], p.inicio) || !LeData(datas[1], p.fim)) {
        Escreve(stderr,
                QStringLiteral("natalis-cli: --transitos: datas «%1» ilegíveis (use 2027-01-01 2027-12-31)\n")
                    .arg(valor));
        return SAIDA_ARGUMENTOS;
    }
    p.fim += 1.0; // the last day whole
    if (p.fim <= p.inicio || p.fim - p.inicio > PERIODO_MAXIMO) {
        Escreve(stderr,
                QStringLiteral("natalis-cli: --transitos: o fim deve vir depois do início, até cem anos\n"));
        return SAIDA_ARGUMENTOS;
    }
    Natal natal;
    QString erro;
    if (!NatalDoMapa(campos, mapa, natal, &erro)) {
        Escreve(stderr, QStringLiteral("natalis-cli: ") + erro + QLatin1Char('\n'));
        return SAIDA_FALHOU;
    }
    p.orbes = LeOrbesTransito();
    const std::vector<EventoTransito> v = TransitosDoPeriodo(natal, p);
    if (!FicheiroSaida().isEmpty()) {
        if (!GravaFicheiro(FicheiroSaida(), CsvPeriodo(v, InstanteIsoNoFuso(0.0)), &erro)) {
            Escreve(stderr, QStringLiteral("natalis-cli: não foi possível escrever ") + FicheiroSaida() +
                                QStringLiteral(": ") + erro + QLatin1Char('\n'));
            return SAIDA_FALHOU;
        }
        return SAIDA_OK;
    }
    QString t = QStringLiteral("\nTrânsitos de %1 a %2 (tempo universal)\n").arg(datas[0], datas[1]);
    const FormataInstante f = InstanteNoFuso(0.0);
    for (const EventoTransito& e : v)
        t += LinhaEvento(e, f) + QLatin1Char('\n');
    Escreve(stdout, t);
    return SAIDA_OK;
}

const RegistoSaida registo({QStringLiteral("transitos"),
                            QStringLiteral("INÍCIO FIM"),
                            QStringLiteral("lista os trânsitos do período (2027-01-01 2027-12-31): aspectos, "
                                           "ingressos e estações, em tempo universal"),
                            Transitos,
                            true,
                            {},
                            true});
} // namespace
