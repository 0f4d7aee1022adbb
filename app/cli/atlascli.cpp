#include "atlascli.h"
#include "mensagens.h"

#include "atlas.h"
#include "fusoatlas.h"
#include "normaliza.h"
#include "opcoes.h"
#include "saidas.h"

#include <cstdio>

namespace {
const Atlas* AtlasDoPrograma(QString* erro) {
    // Never destroyed: its database connections must not be closed after the application
    // object is gone, and the process ends right after.
    static Atlas* atlas = nullptr;
    static QString falha;
    if (!atlas) {
        atlas = new Atlas;
        atlas->Abre(CaminhoPrograma(QStringLiteral("locais.mdb")), Atlas::CaminhoUtilizador(), &falha);
        if (!atlas->Aviso().isEmpty()) {
            const QByteArray b = (QStringLiteral("natalis-cli: ") + atlas->Aviso() + QLatin1Char('\n')).toUtf8();
            std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stderr);
        }
    }
    if (!atlas->Aberto() && erro)
        *erro = falha;
    return atlas->Aberto() ? atlas : nullptr;
}
} // namespace

namespace {
void Escreve(const QString& texto) {
    const QByteArray b = (QStringLiteral("natalis-cli: ") + texto + QLatin1Char('\n')).toUtf8();
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stderr);
}
} // namespace

bool PreencheDoAtlas(const QString& texto, CamposMapa& c, QString* erro) {
    const Atlas* atlas = AtlasDoPrograma(erro);
    if (!atlas)
        return false;
    const EscolhaAtlas e = EscolheLocal(*atlas, texto);
    if (!e.local) {
        if (e.candidatos.isEmpty()) {
            *erro = QStringLiteral("o local «%1» não está no atlas").arg(Citacao(texto));
        } else {
            *erro = QStringLiteral("o local «%1» é ambíguo; acrescente a região ou o país depois de uma vírgula "
                                   "(\"Calheta, Madeira\"). Candidatos:")
                        .arg(Citacao(texto));
            for (const LocalAtlas& l : e.candidatos)
                *erro += QStringLiteral("\n  ") + l.nome;
        }
        return false;
    }
    c.txtlocal = e.local->nome;
    c.txtLatitude = e.local->latitude;
    c.txtlongitude = e.local->longitude;
    // A zone given is the user's and stays.
    if (c.FusoHorario.trimmed().isEmpty()) {
        if (const auto f = FusoDoAtlas(e.local->fuso, c.txtData, c.txtHora, c.txtlongitude)) {
            c.FusoHorario = f->texto;
            c.fusoAtlas = e.local->fuso;
            // A clock time that never happened, or happened twice, is said as the window says it.
            if (f->fuso.situacao == FusoLocal::Situacao::Inexistente ||
                f->fuso.situacao == FusoLocal::Situacao::Repetida)
                Escreve(ExplicaFuso(e.local->fuso, f->fuso));
        }
    }
    return true;
}

int PreencheOpcoesDoAtlas(QMap<QString, QString>& dados, QString* fusoAtlas) {
    QString erro;
    if (!AtlasDoPrograma(&erro)) {
        Escreve(erro); // the arguments are right; the program folder lacks its atlas
        return SAIDA_FALHOU;
    }
    CamposMapa c;
    c.txtData = dados.value(QStringLiteral("data"));
    c.txtHora = dados.value(QStringLiteral("hora"));
    c.FusoHorario = dados.value(QStringLiteral("fuso"));
    if (!PreencheDoAtlas(dados.value(QStringLiteral("atlas")), c, &erro)) {
        Escreve(erro);
        return SAIDA_ARGUMENTOS;
    }
    // Without a zone, the date or the time could not be read: say why, not that a zone is missing.
    if (c.FusoHorario.trimmed().isEmpty()) {
        for (const Normalizado& n : {NormalizaData(c.txtData), NormalizaHora(c.txtHora)})
            if (!n.ok) {
                Escreve(n.erro);
                return SAIDA_ARGUMENTOS;
            }
    }
    *fusoAtlas = c.fusoAtlas;
    // Options given on the command line win over the atlas.
    const std::pair<const char*, QString> valores[] = {
        {"local", c.txtlocal}, {"latitude", c.txtLatitude}, {"longitude", c.txtlongitude}, {"fuso", c.FusoHorario}};
    for (const auto& [nome, valor] : valores)
        if (!dados.contains(QLatin1String(nome)) && !valor.isEmpty())
            dados.insert(QLatin1String(nome), valor);
    return SAIDA_OK;
}
