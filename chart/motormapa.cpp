#include "motormapa.h"

#include "opcoes.h"

EscolhaCalculo EscolhaDasOpcoes() {
    EscolhaCalculo e;
    e.motor = LeMotor(GetOption(OPCAO_MOTOR)).value_or(Motor::Classico);
    e.casas = LeCasas(GetOption(OPCAO_CASAS)).value_or(SistemaCasas::Proprio);
    return e;
}

void GuardaEscolhaNasOpcoes(const EscolhaCalculo& e) {
    SaveOption(OPCAO_MOTOR, CodigoMotor(e.motor));
    SaveOption(OPCAO_CASAS, CodigoCasas(e.casas));
}

QString AvisoCalculo(const ResultadoEfemerides& r, const EscolhaCalculo& e) {
    QStringList avisos;
    if (e.motor == Motor::Preciso)
        avisos << (r.moshier ? QStringLiteral("Efemérides pela teoria de Moshier (sem os ficheiros da Swiss Ephemeris).")
                             : QStringLiteral("Efemérides pelos ficheiros da Swiss Ephemeris."));
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
    return {CodigoMotor(c.escolha.motor), CodigoCasas(CasasUsadas(c)), c.fusoAtlas};
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
}
