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
    if (!m_emCurso) return;
    m_interrompido = true;
    m_rede.Interrompe();
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
    if (m_emCurso) return Interrompida;
    m_emCurso = true;
    m_interrompido = false;
    const Resultado r = actualiza();
    m_preparacao.reset();
    m_descricao = PerfilIni();
    m_emCurso = false;
    if (r == Interrompida) progresso(QString());
    emit mudou();
    return r;
}

Actualizador::Resultado Actualizador::actualiza() {
    Errlist.clear();
    ErrlistVisivel = false;
    cmdactualActivo = false;
    lblprog.clear();
    estado(Procurando, CorEstado::Azul);
    if (const auto falha = obtemDescricao()) return *falha;
    quint64 edicao = 0;
    quint64 instalada = 0;
    if (const auto falha = leEdicao(edicao, instalada)) return *falha;
    mostraIrmas();
    QString motivo;
    const auto outros = FicheirosDaSeccao(m_descricao, QStringLiteral("otherfiles"), &motivo);
    if (!outros) return recusa(MalFormada, motivo);
    const DecisaoPrograma decisao = DecideActualizacao(
        m_descricao.Valor(QStringLiteral("natalis"), QStringLiteral("online")),
        m_descricao.Valor(QStringLiteral("natalis"), QStringLiteral("lastdate")), GetOption(1000));
    QList<FicheiroDescrito> programa;
    if (decisao == DecisaoPrograma::Devida) {
        const auto lista = FicheirosDaSeccao(m_descricao, QStringLiteral("natalis"), &motivo);
        if (!lista) return recusa(MalFormada, motivo);
        programa = *lista;
    }

    ofereceNoticias();
    return instala(*outros, programa, decisao, edicao, instalada);
}

// Fetches the description and its signature; nothing it says is used before the signature holds.
std::optional<Actualizador::Resultado> Actualizador::obtemDescricao() {
    const QFileInfo pasta(PastaPrograma());
    if (!pasta.isDir() || !pasta.isWritable()) {
        cmdactualActivo = true;
        estado(QStringLiteral("Não é possível escrever na pasta do programa (%1). A actualização não foi feita.")
                   .arg(QDir::toNativeSeparators(PastaPrograma())),
               CorEstado::Vermelho);
        return SemDescricao;
    }

    QByteArray texto;
    if (!m_rede.Obtem(EnderecoFicheiro(PastaWeb(), QStringLiteral("update.txt")), LimiteDescricao, &texto)) {
        if (m_interrompido) return Interrompida;
        cmdactualActivo = true;
        estado(QStringLiteral("Não foi possível obter a informação de actualização. "
                              "Verifique a ligação à Internet e tente de novo."),
               CorEstado::Vermelho);
        return SemDescricao;
    }

    if (!DescricaoValida(PrimeiraLinha(texto))) {
        estado(QStringLiteral("A Actualização não foi possivel. O ficheiro de informação não foi encontrado "
                              "ou não é válido"),
               CorEstado::Vermelho);
        erro(QStringLiteral("A informação de actualização não foi encontrada. Actualização interrompida."));
        ErrlistVisivel = true;
        emit aviso();
        return Invalida;
    }

    // Nothing the description says is acted on before its signature is checked.
    QByteArray assinatura;
    QString motivo;
    if (!m_rede.Obtem(EnderecoFicheiro(PastaWeb(), QStringLiteral("update.txt.minisig")), LimiteAssinatura,
                    &assinatura)) {
        if (m_interrompido) return Interrompida;
        return recusa(NaoAssinada, QStringLiteral("A assinatura da informação de actualização "
                                                  "(update.txt.minisig) não foi encontrada."));
    }
    if (!VerificaAssinatura(texto, assinatura, m_chave, &motivo)) return recusa(NaoAssinada, motivo);

    m_descricao = PerfilIni::Le(texto);
    return std::nullopt;
}

std::optional<Actualizador::Resultado> Actualizador::leEdicao(quint64& edicao, quint64& instalada) {
    // A signed description older than one installed already is a replay: installing it would
    // bring back files the maker replaced.
    const QString textoEdicao = m_descricao.Valor(SeccaoIntegridade, QStringLiteral("edicao"));
    bool edicaoLida = true;
    edicao = textoEdicao.isEmpty() ? 0 : textoEdicao.toULongLong(&edicaoLida);
    if (!edicaoLida)
        return recusa(MalFormada, QStringLiteral("A edição da informação de actualização (%1) não é um "
                                                 "número inteiro.")
                                      .arg(Citacao(textoEdicao)));
    instalada = EdicaoInstalada();
    if (edicao < instalada)
        return recusa(QStringLiteral("A actualização foi recusada: a informação de actualização é mais "
                                     "antiga do que a instalada. Nenhum ficheiro foi alterado."),
                      QStringLiteral("A informação de actualização é a edição %1, anterior à edição %2 "
                                     "já instalada.")
                          .arg(edicao)
                          .arg(instalada));
    return std::nullopt;
}

// The companions' own sections are only shown: what the maker publishes for each.
void Actualizador::mostraIrmas() {
    QStringList irmas;
    for (const auto& [seccao, nome] : {std::pair{"movela", "Movela"}, {"duetto", "Duetto"}, {"glosador", "Glosador"}}) {
        const QString v = VersaoIrma(m_descricao, QString::fromLatin1(seccao), QString::fromLatin1(nome));
        if (!v.isEmpty()) irmas << v;
    }
    if (!irmas.isEmpty()) {
        current = current.section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n') + irmas.join(QLatin1Char('\n'));
        emit mudou();
    }
}

void Actualizador::ofereceNoticias() {
    const QString dataWeb = m_descricao.Valor(QStringLiteral("webupdate"), QStringLiteral("lastdate"));
    if (HaNoticias(dataWeb, GetOption(-3))) {
        emit noticias(m_descricao.Valor(QStringLiteral("webupdate"), QStringLiteral("news")));
        if (CaixaMensagens().Mostra(
                IconeMsg::Informacao, Titulo,
                QStringLiteral("Existem alterações no Site do Natalis.\nDeseja visitá-lo agora?"),
                BotoesMsg::SimNao) == RespostaMsg::Sim) {
            emit lancaPagina();
            SaveOption(-3, EscreveData(LeData(dataWeb)));
        }
    }
}

Actualizador::Resultado Actualizador::instala(const QList<FicheiroDescrito>& outros,
                                              const QList<FicheiroDescrito>& programa,
                                              DecisaoPrograma decisao, quint64 edicao, quint64 instalada) {
    QString motivo;
    m_preparacao = std::make_unique<Preparacao>(PastaPrograma());
    if (!m_preparacao->Utilizavel(&motivo))
        return recusa(QStringLiteral("A actualização não foi feita: a anterior ficou a meio."), motivo);
    qsizetype previstos = outros.size();
    bool certo = preparaSeccao(outros, QStringLiteral("Actualizando outros ficheiros..."));
    if (m_interrompido) return Interrompida;

    bool programaPreparado = false;
    if (certo && decisao == DecisaoPrograma::NenhumaNova)
        estado(NenhumaNova, cor);
    else if (certo && decisao == DecisaoPrograma::Devida && UpdateNatalis(false)) {
        previstos += programa.size();
        programaPreparado = true;
        certo = preparaSeccao(programa, NovaActualizacao + QStringLiteral("\nActualizando..."));
    }
    if (m_interrompido) return Interrompida;

    // The release number goes in with the files, in the same transaction.
    if (certo && edicao > instalada &&
        !m_preparacao->Acrescenta(FicheiroEdicao(), QByteArray::number(edicao) + '\n', &motivo)) {
        certo = false;
        erro(motivo);
    }
    if (certo && !m_preparacao->PoeNoLugar(&motivo)) {
        certo = false;
        erro(motivo);
    }
    if (!certo) {
        erro(QStringLiteral("Nenhum ficheiro foi substituído: a instalação anterior ficou como estava."));
        ErrlistVisivel = true;
        estado(textoFalhas(static_cast<int>(previstos)), CorEstado::Vermelho);
    } else {
        // Recorded only once every file is in place, so an incomplete update is offered again.
        const QDate publicada = LeData(m_descricao.Valor(QStringLiteral("natalis"), QStringLiteral("lastdate")));
        if (programaPreparado && publicada.isValid()) SaveOption(1000, EscreveData(publicada));
        estado(decisao == DecisaoPrograma::NenhumaNova ? NenhumaNova : Exito, CorEstado::Verde);
    }
    captionCancelar = QStringLiteral("Fechar");
    cmdactualActivo = true;
    return Concluida;
}

bool Actualizador::UpdateNatalis(bool forcado) {
    progresso(NovaActualizacao);
    if (!forcado) {
        const double prioridade = NumeroDeTexto(m_descricao.Valor(QStringLiteral("natalis"), QStringLiteral("priority")));
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
    for (qsizetype i = 0; i < n && !m_interrompido; ++i) {
        const FicheiroDescrito& f = ficheiros[i];
        QString motivo;
        if (!descarrega(f, progressoBase + QStringLiteral("\n%1 (%2 de %3)").arg(f.nome).arg(i + 1).arg(n), &motivo)) {
            if (m_interrompido) break;
            erro(QStringLiteral("Erro na actualização de ") + f.nome);
            erro(motivo);
            progresso(progressoBase);
            return false;
        }
    }
    progresso(progressoBase);
    return !m_interrompido;
}

bool Actualizador::descarrega(const FicheiroDescrito& f, const QString& linha, QString* motivo) {
    const QString alvo = CaminhoConfinado(PastaPrograma(), f.localizacao, f.nome);
    if (alvo.isEmpty()) {
        *motivo = QStringLiteral("%1 ficaria fora da pasta do programa.").arg(f.nome);
        return false;
    }
    QFile ficheiro;
    if (!m_preparacao->Abre(alvo, ficheiro, motivo)) return false;
    progresso(linha);
    int percentagem = -1;
    m_rede.progresso = [&](qint64 recebidos, qint64 total) {
        if (total <= 0) return;
        const int p = static_cast<int>(recebidos * 100 / total);
        if (p != percentagem) {
            percentagem = p;
            progresso(linha + QStringLiteral(" %1%").arg(p));
        }
    };
    QCryptographicHash resumo(QCryptographicHash::Sha256);
    int erroEscrita = 0;
    const bool chegou = m_rede.Recebe(EnderecoFicheiro(PastaWeb(), f.nome), f.tamanho, true, [&](QByteArrayView bloco) {
        errno = 0;
        if (ficheiro.write(bloco.data(), bloco.size()) != bloco.size()) {
            erroEscrita = errno ? errno : EIO;
            return false;
        }
        resumo.addData(bloco);
        return true;
    });
    m_rede.progresso = nullptr;
    errno = 0;
    ficheiro.close();
    if (chegou && ficheiro.error() != QFileDevice::NoError) erroEscrita = errno ? errno : EIO;
    if (erroEscrita != 0) {
        *motivo = MotivoEscritaDisco(erroEscrita, f.nome);
        return false;
    }
    if (!chegou) {
        *motivo = QStringLiteral("%1 não foi obtido: %2.").arg(f.nome, m_rede.UltimoErro());
        return false;
    }
    if (resumo.result() != f.sha256) {
        *motivo = QStringLiteral("O conteúdo recebido de %1 não corresponde ao que foi assinado.").arg(f.nome);
        return false;
    }
    return true;
}
