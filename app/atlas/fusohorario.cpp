#include "fusohorario.h"

#include "zonatzif.h"

#include <QDateTime>
#include <cmath>

namespace {
int offsetEm(const ZonaTzif& z, const QDateTime& utc) { return z.offsetEm(utc.toSecsSinceEpoch()); }
} // namespace

FusoLocal FusoParaLocal(const QString& zonaIana, const QDate& data, const QTime& hora, double longitudeGraus) {
    FusoLocal f;
    const ZonaTzif zona = ZonaTzif::Carrega(zonaIana);
    if (!zona.valida() || !data.isValid() || !hora.isValid())
        return f;

    // The clock reading taken as if it were UTC; the true instant lies within a day of it.
    const QDateTime relogio(data, hora, Qt::UTC);
    const int antes = offsetEm(zona, relogio.addDays(-1));
    const int depois = offsetEm(zona, relogio.addDays(1));

    QList<int> validos;
    for (int o : {antes, depois}) {
        const QDateTime instante = relogio.addSecs(-o);
        if (offsetEm(zona, instante) == o && !validos.contains(o))
            validos << o;
    }

    if (validos.isEmpty()) {
        f.situacao = FusoLocal::Situacao::Inexistente;
        f.horas = antes / 3600.0;
        f.horasAlternativa = depois / 3600.0;
        f.abreviatura = zona.abreviatura(relogio.addSecs(-antes).toSecsSinceEpoch());
        return f;
    }

    const int escolhido = validos.first();
    const QDateTime instante = relogio.addSecs(-escolhido);
    f.abreviatura = zona.abreviatura(instante.toSecsSinceEpoch());
    if (f.abreviatura == QLatin1String("LMT")) {
        f.situacao = FusoLocal::Situacao::HoraMediaLocal;
        f.horas = longitudeGraus / 15.0;
        return f;
    }
    f.horas = escolhido / 3600.0;
    if (validos.size() > 1) {
        f.situacao = FusoLocal::Situacao::Repetida;
        f.horasAlternativa = validos.at(1) / 3600.0;
    } else {
        f.situacao = FusoLocal::Situacao::Normal;
    }
    return f;
}

QString DescreveFuso(double horas) {
    const QString sinal = horas < 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    const long segundos = std::lround(std::fabs(horas) * 3600.0);
    const long h = segundos / 3600;
    const long m = (segundos % 3600) / 60;
    const long s = segundos % 60;
    QString texto = QStringLiteral("UTC") + sinal + QString::number(h) + QLatin1Char('h');
    if (s != 0)
        texto += QString::number(m) + QStringLiteral("m") + QString::number(s) + QLatin1Char('s');
    else if (m != 0)
        texto += QString::number(m).rightJustified(2, QLatin1Char('0'));
    return texto;
}

QString ExplicaFuso(const QString& zonaIana, const FusoLocal& f) {
    using S = FusoLocal::Situacao;
    switch (f.situacao) {
    case S::Normal:
        return QStringLiteral("Fuso horário de %1 (%2): %3.").arg(zonaIana, f.abreviatura, DescreveFuso(f.horas));
    case S::Repetida:
        return QStringLiteral("Atenção: nessa noite os relógios de %1 atrasaram e esta hora ocorreu duas vezes "
                              "(%2 ou %3). Foi usado %2; confirme a hora de nascimento.")
            .arg(zonaIana, DescreveFuso(f.horas), DescreveFuso(f.horasAlternativa));
    case S::Inexistente:
        return QStringLiteral("Atenção: nessa noite os relógios de %1 adiantaram e esta hora não existiu. "
                              "Foi usado %2 (depois da mudança seria %3); confirme a hora de nascimento.")
            .arg(zonaIana, DescreveFuso(f.horas), DescreveFuso(f.horasAlternativa));
    case S::HoraMediaLocal:
        return QStringLiteral("Antes da hora legal em %1: usada a hora média local do lugar de nascimento, %2.")
            .arg(zonaIana, DescreveFuso(f.horas));
    case S::ZonaDesconhecida:
        break;
    }
    return QStringLiteral("Fuso horário desconhecido para este local: preencha o fuso à mão.");
}
