#include "actualizacao.h"

#include "descricao.h"
#include "leitorini.h"
#include "mensagens.h"
#include "opcoes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {
const QString Titulo = QStringLiteral("Actualização do Natalis");
const QString Procurando = QStringLiteral("Procurando informação de actualização ...");
const QString NenhumaNova = QStringLiteral("Não existe nenhuma nova actualização do Natalis.");
const QString Exito = QStringLiteral("Actualização efectuada com êxito.");
const QString NovaActualizacao = QStringLiteral("O Natalis tem uma nova actualização.");
const QString NaoAssinada = QStringLiteral("A actualização foi recusada: a informação de actualização não tem uma "
                                           "assinatura válida do Natalis. Nenhum ficheiro foi alterado.");
const QString MalFormada = QStringLiteral("A actualização foi recusada: a informação de actualização está mal "
                                          "formada. Nenhum ficheiro foi alterado.");
// The description and its signature are small; anything larger is not one.
constexpr qint64 LimiteDescricao = 16 * 1024 * 1024;
constexpr qint64 LimiteAssinatura = 4096;

QString textoFalhas(int n) {
    return n == 1 ? QStringLiteral("A actualização terminou com erros: 1 ficheiro não foi actualizado.")
                  : QStringLiteral("A actualização terminou com erros: %1 ficheiros não foram actualizados.")
                        .arg(n);
}
} // namespace

QString PastaWebPadrao() {
    return QStringLiteral("https://www.natalis.pt/actualizacoes");
}

QString PastaWeb() {
    const QString definida = GetOption(OpcaoPastaWeb).trimmed();
    return definida.isEmpty() || definida == QLatin1String("False") ? PastaWebPadrao() : definida;
}

QString PaginaWeb() {
    return QStringLiteral("https://www.natalis.pt/");
}

QString FicheiroEdicao() {
    return CaminhoPrograma(QStringLiteral("actualizacao-instalada.txt"));
}

quint64 EdicaoInstalada() {
    QFile f(FicheiroEdicao());
    if (!f.open(QIODevice::ReadOnly)) return 0;
    return f.read(64).trimmed().toULongLong();
}

Rgb RgbDe(CorEstado cor) {
    switch (cor) {
    case CorEstado::Azul:
        return {0, 0, 240};
    case CorEstado::Vermelho:
        return {240, 0, 0};
    case CorEstado::Verde:
        break;
    }
    return {0, 180, 0};
}

Actualizador::Actualizador(QObject* parent) : QObject(parent) {
    const QString versao = GetOption(-2);
    current = versao == QLatin1String("False")
                  ? QStringLiteral("Versão do Natalis instalada desconhecida")
                  : QStringLiteral("Versão ") + versao + QStringLiteral(" do Natalis instalada");
    msg = QStringLiteral("Para proceder à actualização clique em \"Actualizar\"");
    captionCancelar = QStringLiteral("Cancelar");
}

void Actualizador::Interrompe() {
    if (!emCurso) return;
    interrompido = true;
    rede.Interrompe();
}

void Actualizador::erro(const QString& linha) {
    Errlist.append(linha);
    emit mudou();
}

void Actualizador::estado(const QString& texto, CorEstado c) {
    msg = texto;
    cor = c;
    emit mudou();
}

void Actualizador::progresso(const QString& texto) {
    lblprog = texto;
    emit mudou();
}

Actualizador::Resultado Actualizador::recusa(const QString& estadoTexto, const QString& motivo) {
    estado(estadoTexto, CorEstado::Vermelho);
    erro(motivo);
    ErrlistVisivel = true;
    cmdactualActivo = true;
    emit aviso();
    return Invalida;
}

Actualizador::Resultado Actualizador::Update() {
    if (emCurso) return Interrompida;
    emCurso = true;
    interrompido = false;
    auto termina = [&](Resultado r) {
        preparacao.reset();
        descricao = PerfilIni();
        emCurso = false;
        if (r == Interrompida) progresso(QString());
        emit mudou();
        return r;
    };

    Errlist.clear();
    ErrlistVisivel = false;
    cmdactualActivo = false;
    lblprog.clear();
    estado(Procurando, CorEstado::Azul);

    const QFileInfo pasta(PastaPrograma());
    if (!pasta.isDir() || !pasta.isWritable()) {
        cmdactualActivo = true;
        estado(QStringLiteral("Não é possível escrever na pasta do programa (%1). A actualização não foi feita.")
                   .arg(QDir::toNativeSeparators(PastaPrograma())),
               CorEstado::Vermelho);
        return termina(SemDescricao);
    }

    QByteArray texto;
    if (!rede.Obtem(EnderecoFicheiro(PastaWeb(), QStringLiteral("update.txt")), LimiteDescricao, &texto)) {
        if (interrompido) return termina(Interrompida);
        cmdactualActivo = true;
        estado(QStringLiteral("Não foi possível obter a informação de actualização. "
                              "Verifique a ligação à Internet e tente de novo."),
               CorEstado::Vermelho);
        return termina(SemDescricao);
    }

    if (!DescricaoValida(PrimeiraLinha(texto))) {
        estado(QStringLiteral("A Actualização não foi possivel. O ficheiro de informação não foi encontrado "
                              "ou não é válido"),
               CorEstado::Vermelho);
        erro(QStringLiteral("A informação de actualização não foi encontrada. Actualização interrompida."));
        ErrlistVisivel = true;
        emit aviso();
        return termina(Invalida);
    }

    // Nothing the description says is acted on before its signature is checked.
    QByteArray assinatura;
    QString motivo;
    if (!rede.Obtem(EnderecoFicheiro(PastaWeb(), QStringLiteral("update.txt.minisig")), LimiteAssinatura,
                    &assinatura)) {
        if (interrompido) return termina(Interrompida);
        return termina(recusa(NaoAssinada, QStringLiteral("A assinatura da informação de actualização "
                                                          "(update.txt.minisig) não foi encontrada.")));
    }
    if (!VerificaAssinatura(texto, assinatura, chave, &motivo)) return termina(recusa(NaoAssinada, motivo));

    descricao = PerfilIni::Le(texto);
    // A signed description older than one installed already is a replay: installing it would
    // bring back files the maker replaced.
    const QString textoEdicao = descricao.Valor(SeccaoIntegridade, QStringLiteral("edicao"));
    bool edicaoLida = true;
    const quint64 edicao = textoEdicao.isEmpty() ? 0 : textoEdicao.toULongLong(&edicaoLida);
    if (!edicaoLida)
        return termina(recusa(MalFormada, QStringLiteral("A edição da informação de actualização (%1) não é um "
                                                         "número inteiro.")
                                              .arg(Citacao(textoEdicao))));
    const quint64 instalada = EdicaoInstalada();
    if (edicao < instalada)
        return termina(recusa(QStringLiteral("A actualização foi recusada: a informação de actualização é mais "
                                             "antiga do que a instalada. Nenhum ficheiro foi alterado."),
                              QStringLiteral("A informação de actualização é a edição %1, anterior à edição %2 "
                                             "já instalada.")
                                  .arg(edicao)
                                  .arg(instalada)));
    const auto outros = FicheirosDaSeccao(descricao, QStringLiteral("otherfiles"), &motivo);
    if (!outros) return termina(recusa(MalFormada, motivo));
    const DecisaoPrograma decisao =
        DecideActualizacao(descricao.Valor(QStringLiteral("natalis"), QStringLiteral("online")),
                           descricao.Valor(QStringLiteral("natalis"), QStringLiteral("lastdate")), GetOption(1000));
    QList<FicheiroDescrito> programa;
    if (decisao == DecisaoPrograma::Devida) {
        const auto lista = FicheirosDaSeccao(descricao, QStringLiteral("natalis"), &motivo);
        if (!lista) return termina(recusa(MalFormada, motivo));
        programa = *lista;
    }

    const QString dataWeb = descricao.Valor(QStringLiteral("webupdate"), QStringLiteral("lastdate"));
    if (HaNoticias(dataWeb, GetOption(-3))) {
        emit noticias(descricao.Valor(QStringLiteral("webupdate"), QStringLiteral("news")));
        if (CaixaMensagens().Mostra(
                IconeMsg::Informacao, Titulo,
                QStringLiteral("Existem alterações no Site do Natalis.\nDeseja visitá-lo agora?"),
                BotoesMsg::SimNao) == RespostaMsg::Sim) {
            emit lancaPagina();
            SaveOption(-3, EscreveData(LeData(dataWeb)));
        }
    }

    preparacao = std::make_unique<Preparacao>(PastaPrograma());
    if (!preparacao->Utilizavel(&motivo))
        return termina(recusa(QStringLiteral("A actualização não foi feita: a anterior ficou a meio."), motivo));
    qsizetype previstos = outros->size();
    bool certo = preparaSeccao(*outros, QStringLiteral("Actualizando outros ficheiros..."));
    if (interrompido) return termina(Interrompida);

    bool programaPreparado = false;
    if (certo && decisao == DecisaoPrograma::NenhumaNova)
        estado(NenhumaNova, cor);
    else if (certo && decisao == DecisaoPrograma::Devida && UpdateNatalis(false)) {
        previstos += programa.size();
        programaPreparado = true;
        certo = preparaSeccao(programa, NovaActualizacao + QStringLiteral("\nActualizando..."));
    }
    if (interrompido) return termina(Interrompida);

    // The release number goes in with the files, in the same transaction.
    if (certo && edicao > instalada &&
        !preparacao->Acrescenta(FicheiroEdicao(), QByteArray::number(edicao) + '\n', &motivo)) {
        certo = false;
        erro(motivo);
    }
    if (certo && !preparacao->PoeNoLugar(&motivo)) {
        certo = false;
        erro(motivo);
    }
    if (!certo) {
        erro(QStringLiteral("Nenhum ficheiro foi substituído: a instalação anterior ficou como estava."));
        ErrlistVisivel = true;
        estado(textoFalhas(static_cast<int>(previstos)), CorEstado::Vermelho);
    } else {
        // Recorded only once every file is in place, so an incomplete update is offered again.
        const QDate publicada = LeData(descricao.Valor(QStringLiteral("natalis"), QStringLiteral("lastdate")));
        if (programaPreparado && publicada.isValid()) SaveOption(1000, EscreveData(publicada));
        estado(decisao == DecisaoPrograma::NenhumaNova ? NenhumaNova : Exito, CorEstado::Verde);
    }
    captionCancelar = QStringLiteral("Fechar");
    cmdactualActivo = true;
    return termina(Concluida);
}

bool Actualizador::UpdateNatalis(bool forcado) {
    progresso(NovaActualizacao);
    if (!forcado) {
        const double prioridade = NumeroDeTexto(descricao.Valor(QStringLiteral("natalis"), QStringLiteral("priority")));
        if (prioridade == 0 || prioridade == 1) {
            const QString meio =
                prioridade == 0
                    ? QStringLiteral("Ficheiros adicionais e/ou pequenas alterações foram feitas.")
                    : QStringLiteral("É aconselhada a actualização.");
            const QString pergunta =
                QStringLiteral("Está disponivel uma nova actualização para o Natalis.\n") + meio +
                QStringLiteral("\n\nDeseja proceder à actualização?");
            if (CaixaMensagens().Mostra(IconeMsg::Pergunta, Titulo, pergunta, BotoesMsg::SimNao) !=
                RespostaMsg::Sim)
                return false;
        }
    }
    return true;
}

bool Actualizador::preparaSeccao(const QList<FicheiroDescrito>& ficheiros, const QString& progressoBase) {
    if (ficheiros.isEmpty()) return true;
    progresso(progressoBase);
    const qsizetype n = ficheiros.size();
    for (qsizetype i = 0; i < n && !interrompido; ++i) {
        const FicheiroDescrito& f = ficheiros[i];
        QString motivo;
        if (!descarrega(f, progressoBase + QStringLiteral("\n%1 (%2 de %3)").arg(f.nome).arg(i + 1).arg(n), &motivo)) {
            if (interrompido) break;
            erro(QStringLiteral("Erro na actualização de ") + f.nome);
            erro(motivo);
            progresso(progressoBase);
            return false;
        }
    }
    progresso(progressoBase);
    return !interrompido;
}

bool Actualizador::descarrega(const FicheiroDescrito& f, const QString& linha, QString* motivo) {
    const QString alvo = CaminhoConfinado(PastaPrograma(), f.localizacao, f.nome);
    if (alvo.isEmpty()) {
        *motivo = QStringLiteral("%1 ficaria fora da pasta do programa.").arg(f.nome);
        return false;
    }
    QFile ficheiro;
    if (!preparacao->Abre(alvo, ficheiro, motivo)) return false;
    progresso(linha);
    int percentagem = -1;
    rede.progresso = [&](qint64 recebidos, qint64 total) {
        if (total <= 0) return;
        const int p = static_cast<int>(recebidos * 100 / total);
        if (p != percentagem) {
            percentagem = p;
            progresso(linha + QStringLiteral(" %1%").arg(p));
        }
    };
    QCryptographicHash resumo(QCryptographicHash::Sha256);
    int erroEscrita = 0;
    const bool chegou = rede.Recebe(EnderecoFicheiro(PastaWeb(), f.nome), f.tamanho, true, [&](QByteArrayView bloco) {
        errno = 0;
        if (ficheiro.write(bloco.data(), bloco.size()) != bloco.size()) {
            erroEscrita = errno ? errno : EIO;
            return false;
        }
        resumo.addData(bloco);
        return true;
    });
    rede.progresso = nullptr;
    errno = 0;
    ficheiro.close();
    if (chegou && ficheiro.error() != QFileDevice::NoError) erroEscrita = errno ? errno : EIO;
    if (erroEscrita != 0) {
        *motivo = MotivoEscritaDisco(erroEscrita, f.nome);
        return false;
    }
    if (!chegou) {
        *motivo = QStringLiteral("%1 não foi obtido: %2.").arg(f.nome, rede.UltimoErro());
        return false;
    }
    if (resumo.result() != f.sha256) {
        *motivo = QStringLiteral("O conteúdo recebido de %1 não corresponde ao que foi assinado.").arg(f.nome);
        return false;
    }
    return true;
}
