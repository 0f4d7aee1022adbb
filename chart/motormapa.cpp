#include "motormapa.h"

#include "opcoes.h"

EscolhaCalculo EscolhaDasOpcoes() {
    EscolhaCalculo e;
    e.motor = LeMotor(GetOption(OPCAO_MOTOR)).value_or(Motor::Classico);
    e.casas = LeCasas(GetOption(OPCAO_CASAS)).value_or(SistemaCasas::Proprio);
    e.pontos = e.motor == Motor::Preciso ? LePontos(GetOption(OPCAO_PONTOS)).value_or(0) : 0;
    return e;
}

void GuardaEscolhaNasOpcoes(const EscolhaCalculo& e) {
    SaveOption(OPCAO_MOTOR, CodigoMotor(e.motor));
    SaveOption(OPCAO_CASAS, CodigoCasas(e.casas));
    SaveOption(OPCAO_PONTOS, CodigosPontos(e.pontos));
}

QString AvisoCalculo(const ResultadoEfemerides& r, const EscolhaCalculo& e) {
    QStringList avisos;
    if (e.motor == Motor::Preciso)
        avisos << (r.moshier ? QStringLiteral("Efemérides pela teoria de Moshier (sem os ficheiros da Swiss Ephemeris).")
                             : QStringLiteral("Efemérides pelos ficheiros da Swiss Ephemeris."));
    if (r.extrasFora) {
        QStringList fora;
        for (int k = 0; k < N_PONTOS_EXTRA; ++k)
            if (TemPonto(r.extrasFora, k))
                fora << NomePontoExtra(k);
        avisos << QStringLiteral("%1 %2 de fora: o ficheiro de asteróides da Swiss Ephemeris não chega a esta data "
                                 "(vai de 1800 a 2400).")
                      .arg(fora.join(QStringLiteral(", ")), fora.size() > 1 ? QStringLiteral("ficaram") : QStringLiteral("ficou"));
    }
    if (r.recursoPolar)
        avisos << QStringLiteral("As casas %1 não existem a esta latitude (para lá do círculo polar): "
                                 "foram usadas as de Porfírio.")
                      .arg(NomeCasas(e.casas));
    return avisos.join(QLatin1Char(' '));
}

QString TextoCalculo(const CamposMapa& c) {
    QString t = QStringLiteral("Cálculo: ") + DescricaoEscolha(c.escolha) + QLatin1Char('.');
    if (!c.avisoCalculo.isEmpty())
        t += QLatin1Char(' ') + c.avisoCalculo;
    return t;
}

QStringList RegistosExtraMapa(const CamposMapa& c) {
    if (c.escolha.padrao())
        return {};
    // Record 32: the time-zone id the atlas filled the zone from, empty for a typed zone.
    QStringList r = {CodigoMotor(c.escolha.motor), CodigoCasas(CasasUsadas(c)), c.fusoAtlas};
    if (!c.escolha.pontos)
        return r;
    // Record 33: the optional points asked for; then one record per point asked, its
    // position (empty when it was left out) and retrograde flag.
    r << CodigosPontos(c.escolha.pontos);
    for (int k = 0; k < N_PONTOS_EXTRA; ++k)
        if (TemPonto(c.escolha.pontos, k))
            r << c.PosExtra[k] << (c.retroExtra[k] ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"));
    return r;
}

SistemaCasas CasasUsadas(const CamposMapa& c) {
    return c.recursoPolar ? SistemaCasas::Porfirio : c.escolha.casas;
}

void LeRegistosExtraMapa(const QStringList& valores, CamposMapa& c) {
    c.escolha = {};
    if (valores.size() > 0)
        c.escolha.motor = LeMotor(valores[0]).value_or(Motor::Classico);
    if (valores.size() > 1)
        c.escolha.casas = LeCasas(valores[1]).value_or(SistemaCasas::Proprio);
    c.fusoAtlas = valores.size() > 2 ? valores[2] : QString();
    c.PosExtra = {};
    c.retroExtra = {};
    c.escolha.pontos = c.escolha.motor == Motor::Preciso ? LePontos(valores.value(3)).value_or(0) : 0;
    qsizetype v = 4;
    for (int k = 0; k < N_PONTOS_EXTRA; ++k) {
        if (!TemPonto(c.escolha.pontos, k))
            continue;
        c.PosExtra[k] = valores.value(v++);
        c.retroExtra[k] = valores.value(v++).trimmed().compare(QLatin1String("#TRUE#"), Qt::CaseInsensitive) == 0;
    }
}
