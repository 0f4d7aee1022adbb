#include "arranque.h"

#include "fontedados.h"
#include "fontes.h"
#include "frmmain.h"
#include "instalacao.h"
#include "opcoesroda.h"
#include "mensagens.h"
#include "motormapa.h"
#include "pontosmapa.h"
#include "opcoes.h"
#include "orbes.h"
#include "planeta.h"
#include "registotipos.h"
#include "relatorio.h"
#include "textos.h"
#include "textosproprios.h"
#include "transaccao.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QSplashScreen>
#include <QThread>

namespace {
class Splash : public QSplashScreen {
public:
    explicit Splash(const QPixmap& p) : QSplashScreen(p) { setObjectName(QStringLiteral("frmSplash")); }

protected:
    void keyPressEvent(QKeyEvent*) override { close(); }
};

QPixmap desenhaSplash() {
    const qreal dpr = qApp->devicePixelRatio();
    QPixmap p(QSize(460, 240) * dpr);
    p.setDevicePixelRatio(dpr);
    p.fill(QColor(0xf7, 0xf3, 0xfb));
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(QColor(0x5a, 0x2d, 0x82), 3));
    pintor.drawRect(QRectF(1.5, 1.5, 457, 237));
    QFont titulo(QStringLiteral("Serif"), 40, QFont::Bold);
    pintor.setFont(titulo);
    const QRect caixaTitulo(0, 50, 460, 80);
    const QRect usado = pintor.boundingRect(caixaTitulo, Qt::AlignCenter, TituloAplicacao());
    pintor.drawText(caixaTitulo, Qt::AlignCenter, TituloAplicacao());
    // The version label's right edge meets the title's right edge.
    QFont versao = titulo;
    versao.setPointSize(11);
    versao.setBold(false);
    pintor.setFont(versao);
    pintor.drawText(QRect(0, usado.bottom() + 4, usado.right(), 24), Qt::AlignRight | Qt::AlignTop, TextoVersaoSplash());
    pintor.setFont(FonteDesenho(FONTE_SIGIL, 18));
    pintor.drawText(QRect(0, 180, 460, 40), Qt::AlignCenter, QStringLiteral("ABCDEFGHIJKL"));
    return p;
}

} // namespace

QString TextoVersaoSplash() {
    if (NATALIS_VERSION_MAJOR == 999)
        return QStringLiteral("Versão BETA %1.%2.%3")
            .arg(999 - NATALIS_VERSION_MAJOR)
            .arg(NATALIS_VERSION_MINOR)
            .arg(NATALIS_VERSION_PATCH);
    return QStringLiteral("Versão ") + VersaoPrograma();
}

namespace {
bool existe(const QString& relativo) { return FileExists(CaminhoPrograma(relativo)); }

void fatal(const QString& ficheiro) {
    CaixaMensagens().Mostra(IconeMsg::Critico, TituloAplicacao(),
                            QStringLiteral("O ficheiro ") + ficheiro +
                                QStringLiteral(" não foi encontrado ou está corrompido.\n"
                                               "Reinstale esta aplicação ou coloque o ficheiro no local original"));
}

void pausa(double segundos) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < segundos * 1000.0) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}
} // namespace

FonteDados& DataLocais() {
    static FonteDados f;
    return f;
}

QString VersaoPrograma() {
    return QStringLiteral("%1.%2.%3").arg(NATALIS_VERSION_MAJOR).arg(NATALIS_VERSION_MINOR).arg(NATALIS_VERSION_PATCH);
}

QString NomeExecutavel(const QString& base) {
#ifdef Q_OS_WIN
    return base + QStringLiteral(".exe");
#else
    return base;
#endif
}

static void iniciaRecursos() { Q_INIT_RESOURCE(natalis); }

namespace {
// The texts and atlas databases; false (and said) when one is missing or damaged.
bool abreBases(bool gravavel) {
    const QString baseTextos = CaminhoPrograma(QStringLiteral("Intrepreter.mdb"));
    QString erro;
    if (!existe(QStringLiteral("Intrepreter.mdb")) || !AbreBaseInterpretacao(baseTextos, &erro)) {
        fatal(QStringLiteral("Intrepreter.mdb"));
        return false;
    }
    // The user's own texts, read before the shipped ones; a damaged file is put aside and said.
    TextosUtilizador().DefineCaminho(TextosProprios::CaminhoPredefinido());
    const QString avisoTextos = TextosUtilizador().TomaAviso();
    if (!avisoTextos.isEmpty())
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), avisoTextos);
    const QString baseLocais = CaminhoPrograma(QStringLiteral("locais.mdb"));
    if (!existe(QStringLiteral("locais.mdb")) || !DataLocais().Abre(baseLocais, QStringLiteral("Locais"), !gravavel)) {
        fatal(QStringLiteral("Locais.mdb"));
        return false;
    }
    return true;
}

void preparaPastas(bool gravavel) {
    // The built-in orbs, written to the default orb file when it is missing. An installed
    // folder is never written: the built-in orbs are the default there without a file.
    if (gravavel && !existe(QStringLiteral("orbs/Default.orb"))) {
        TabelaOrbes padrao;
        padrao.CarregaPadrao();
        QDir().mkpath(CaminhoPrograma(QStringLiteral("orbs")));
        QString erroOrbes;
        if (!EscreveFicheiroOrbes(CaminhoOrbesPadrao(), padrao.ValoresFicheiro(), &erroOrbes))
            CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), erroOrbes);
    }
    if (gravavel) {
        PastaMapas();
        PastaFundosUtilizador();
    }
}

bool procuraRenovo(bool gravavel) {
    // An installed copy is updated by the package manager: the update entry says so.
    const bool ha = !gravavel || existe(NomeExecutavel(QStringLiteral("renovo")));
    if (!ha)
        CaixaMensagens().Mostra(
            IconeMsg::Exclamacao, TituloAplicacao(),
            QStringLiteral("Não foi encontrado o programa renovo.exe na directoria ") + PastaPrograma() +
                QStringLiteral("\nO Natalis usa este programa para fazer a actualização dos seus ficheiros via Internet.\n\n"
                               "Se apagou este ficheiro instale o Natalis novamente.\n"
                               "Se o renomeou ou o mudou de localização , por favor retorne-o ao nome ou localização inicial."));
    return ha;
}

void registaTipos(const OpcoesArranque& opcoes) {
    // A package registers the file types itself, for every user.
    if (!opcoes.registaTipos || InstaladoPeloSistema()) return;
#ifdef Q_OS_WIN // the icon inside the executable; Windows reads no SVG icon
    RegistaTiposNatalis(QCoreApplication::applicationFilePath(),
                        QDir::toNativeSeparators(QCoreApplication::applicationFilePath()) +
                            QStringLiteral(",0"),
                        opcoes.dadosUtilizador);
#else
    RegistaTiposNatalis(QCoreApplication::applicationFilePath(),
                        CaminhoPrograma(QStringLiteral("natalis.svg")), opcoes.dadosUtilizador);
#endif
}

void abreArgumento(frmMain& janela, const QStringList& argumentos) {
    const QString caminho = argumentos.join(QLatin1Char(' ')).trimmed();
    if (!caminho.isEmpty()) {
        if (caminho.endsWith(QStringLiteral(".orb"), Qt::CaseInsensitive))
            janela.CarregaOrbesDoArgumento(caminho);
        else
            janela.AbreMapa(caminho);
    }
}
} // namespace

frmMain* Arranca(const QStringList& argumentos, const OpcoesArranque& opcoes) {
    iniciaRecursos();
    CarregaSigil();
    // An update cut short (a crash or a power cut while renovo put its files in place) is
    // completed or undone before any file of the program folder is read.
    QString recuperacao;
    if (RecuperaTransaccao(PastaPrograma(), &recuperacao) == Recuperacao::Falhou)
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), recuperacao);
    if (const QString aviso = TomaAvisoOpcoes(); !aviso.isEmpty())
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), aviso);
    std::unique_ptr<Splash> splash;
    if (opcoes.splash) {
        splash = std::make_unique<Splash>(desenhaSplash());
        splash->show();
        QApplication::processEvents();
    }
    auto janela = std::make_unique<frmMain>();
    MapaActual().RecriaCorpos();
    SaveOption(-1, PastaPrograma());
    SaveOption(-2, VersaoPrograma());

    const bool gravavel = PastaProgramaGravavel();
    if (!abreBases(gravavel)) return nullptr;
    janela->RefreshRecentMenu();
    CoresRelatorio::GuardaPredefinidas();

    preparaPastas(gravavel);

    const bool renovo = procuraRenovo(gravavel);
    janela->defineCompanheiros(existe(NomeExecutavel(QStringLiteral("glosador"))),
                               existe(NomeExecutavel(QStringLiteral("duetto"))),
                               existe(NomeExecutavel(QStringLiteral("movela"))), renovo);

    const QString orbes = GetOption(0);
    if (orbes == QLatin1String("False") || orbes.isEmpty() || orbes == CaminhoOrbesPadrao())
        LoadOrbs(true, QString());
    else
        LoadOrbs(false, orbes);

    EscolhaCalculoActual() = EscolhaDasOpcoes();
    CarregaOrbesPontos();
    janela->carregaFundos();
    OpcoesRodaActuais() = OpcoesRodaGuardadas();
    janela->defineAjuda(existe(QStringLiteral("natalis.html")) ? CaminhoPrograma(QStringLiteral("natalis.html")) : QString());

    if (opcoes.pausa)
        pausa(2.0);
    janela->show();
    registaTipos(opcoes);
    if (splash)
        splash->finish(janela.get());

    abreArgumento(*janela, argumentos);
    return janela.release();
}
