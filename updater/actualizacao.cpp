#include "actualizacao.h"

#include "descricao.h"
#include "leitorini.h"
#include "mensagens.h"
#include "opcoes.h"

#include <QDir>
#include <QFile>

namespace {
const QString Titulo = QStringLiteral("Actualização do Natalis");
const QString Procurando = QStringLiteral("Procurando informação de actualização ...");
const QString NenhumaNova = QStringLiteral("Não existe nenhuma nova actualização do Natalis.");
const QString Exito = QStringLiteral("Actualização efectuada com êxito.");
const QString NovaActualizacao = QStringLiteral("O Natalis tem uma nova actualização.");

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

QString Actualizador::copiaLocal() const {
    return CaminhoPrograma(QStringLiteral("update.txt"));
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

Actualizador::Resultado Actualizador::Update() {
    if (emCurso) return Interrompida;
    emCurso = true;
    interrompido = false;
    const QString copia = copiaLocal();
    auto termina = [&](Resultado r) {
        QFile::remove(copia);
        emCurso = false;
        if (r == Interrompida) progresso(QString());
        emit mudou();
        return r;
    };

    QFile::remove(copia);
    Errlist.clear();
    ErrlistVisivel = false;
    cmdactualActivo = false;
    lblprog.clear();
    estado(Procurando, CorEstado::Azul);

    if (!rede.Download(copia, EnderecoFicheiro(PastaWeb(), QStringLiteral("update.txt")))) {
        if (interrompido) return termina(Interrompida);
        cmdactualActivo = true;
        if (rede.FalhaLocal())
            estado(QStringLiteral(
                       "Não é possível escrever na pasta do programa (%1). A actualização não foi feita.")
                       .arg(QDir::toNativeSeparators(PastaPrograma())),
                   CorEstado::Vermelho);
        else
            estado(QStringLiteral("Não foi possível obter a informação de actualização. "
                                  "Verifique a ligação à Internet e tente de novo."),
                   CorEstado::Vermelho);
        return termina(SemDescricao);
    }

    if (!DescricaoValida(PrimeiraLinha(copia))) {
        estado(QStringLiteral("A Actualização não foi possivel. O ficheiro de informação não foi encontrado "
                              "ou não é válido"),
               CorEstado::Vermelho);
        erro(QStringLiteral("A informação de actualização não foi encontrada. Actualização interrompida."));
        ErrlistVisivel = true;
        emit aviso();
        return termina(Invalida);
    }

    const QString dataWeb = ReadINI(copia, QStringLiteral("webupdate"), QStringLiteral("lastdate"));
    if (HaNoticias(dataWeb, GetOption(-3))) {
        emit noticias(ReadINI(copia, QStringLiteral("webupdate"), QStringLiteral("news")));
        if (CaixaMensagens().Mostra(
                IconeMsg::Informacao, Titulo,
                QStringLiteral("Existem alterações no Site do Natalis.\nDeseja visitá-lo agora?"),
                BotoesMsg::SimNao) == RespostaMsg::Sim) {
            emit lancaPagina();
            SaveOption(-3, EscreveData(LeData(dataWeb)));
        }
    }

    int falhas =
        actualizaSeccao(QStringLiteral("otherfiles"), QStringLiteral("Actualizando outros ficheiros..."));
    if (interrompido) return termina(Interrompida);

    const DecisaoPrograma decisao = DecideActualizacao(
        ReadINI(copia, QStringLiteral("natalis"), QStringLiteral("online")),
        ReadINI(copia, QStringLiteral("natalis"), QStringLiteral("lastdate")), GetOption(1000));
    if (decisao == DecisaoPrograma::NenhumaNova)
        estado(NenhumaNova, cor);
    else if (decisao == DecisaoPrograma::Devida) {
        UpdateNatalis(false);
        falhas += falhasNatalis;
    }
    if (interrompido) return termina(Interrompida);

    if (falhas > 0) {
        ErrlistVisivel = true;
        estado(textoFalhas(falhas), CorEstado::Vermelho);
    } else {
        estado(decisao == DecisaoPrograma::NenhumaNova ? NenhumaNova : Exito, CorEstado::Verde);
    }
    captionCancelar = QStringLiteral("Fechar");
    cmdactualActivo = true;
    return termina(Concluida);
}

void Actualizador::UpdateNatalis(bool forcado) {
    falhasNatalis = 0;
    const QString copia = copiaLocal();
    progresso(NovaActualizacao);
    if (!forcado) {
        const double prioridade =
            NumeroDeTexto(ReadINI(copia, QStringLiteral("natalis"), QStringLiteral("priority")));
        if (prioridade == 0 || prioridade == 1) {
            const QString meio =
                prioridade == 0
                    ? QStringLiteral("Ficheiros adicionais e/ou pequenas alterações foram feitas.")
                    : QStringLiteral("É aconselhada a actualização.");
            const QString pergunta =
                QStringLiteral("Está disponivel uma nova actualização para o Natalis.\n") + meio +
                QStringLiteral("\n\nDeseja proceder à actualização?");
            if (CaixaMensagens().Mostra(IconeMsg::Pergunta, Titulo, pergunta, BotoesMsg::SimNao) !=
                RespostaMsg::Sim) {
                return;
            }
        }
    }
    falhasNatalis =
        actualizaSeccao(QStringLiteral("natalis"), NovaActualizacao + QStringLiteral("\nActualizando..."));
    // Recorded only when every file arrived, so an incomplete update is offered again.
    if (falhasNatalis == 0 && !interrompido) {
        const QDate publicada = LeData(ReadINI(copia, QStringLiteral("natalis"), QStringLiteral("lastdate")));
        if (publicada.isValid()) SaveOption(1000, EscreveData(publicada));
    }
}

int Actualizador::actualizaSeccao(const QString& seccao, const QString& progressoBase) {
    const QString copia = copiaLocal();
    const int n = ContagemFicheiros(ReadINI(copia, seccao, QStringLiteral("filescount")));
    if (n == 0) return 0;
    progresso(progressoBase);
    int falhas = 0;
    for (int i = 1; i <= n && !interrompido; ++i) {
        const QString localizacao =
            ReadINI(copia, seccao, QStringLiteral("filelocation") + QString::number(i));
        const QString nome = ReadINI(copia, seccao, QStringLiteral("filename") + QString::number(i));
        if (!descarrega(localizacao, nome, progressoBase, i, n)) {
            ++falhas;
            erro(QStringLiteral("Erro na actualização de ") + nome);
        }
    }
    progresso(progressoBase);
    return falhas;
}

bool Actualizador::descarrega(const QString& localizacao, const QString& nome, const QString& progressoBase,
                              int i, int n) {
    const QString local = CaminhoConfinado(PastaPrograma(), localizacao, nome);
    if (local.isEmpty()) return false;
    const QString linha = progressoBase + QStringLiteral("\n%1 (%2 de %3)").arg(nome).arg(i).arg(n);
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
    const bool certo = rede.Download(local, EnderecoFicheiro(PastaWeb(), nome));
    rede.progresso = nullptr;
    return certo;
}
