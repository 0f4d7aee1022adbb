#include "frmmovela.h"

#include "escolhaficheiro.h"
#include "fusohorario.h"
#include "frmlocais.h"
#include "ficheiromapa.h"
#include "gravacao.h"
#include "impressao.h"
#include "listagem.h"
#include "mensagens.h"
#include "normaliza.h"
#include "orbes.h"
#include "possigno.h"
#include "progressoes.h"
#include "rodadupla.h"
#include "simbolos.h"
#include "textosmovela.h"

#include <QtWidgets>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>
#include <cmath>

namespace {
constexpr double kGrau = PI_NATALIS / 180.0;
constexpr int kIndice = Qt::UserRole + 1; // the event's index, in a row's first cell
const QString kTitulo = QStringLiteral("Movela");

// A cell that sorts by the number it carries (a date, an orb) and not by its text.
class Celula : public QTableWidgetItem {
public:
    Celula(const QString& t, double chave) : QTableWidgetItem(t) { setData(Qt::UserRole, chave); }
    bool operator<(const QTableWidgetItem& o) const override {
        return data(Qt::UserRole).toDouble() < o.data(Qt::UserRole).toDouble();
    }
};

// "12°34′ Carneiro", with the names of Portugal a reader expects ("Caranguejo").
QString Graus(double longitude) {
    const double l = Reduz360(longitude);
    const int minutos = int(std::floor(l * 60.0 + 1e-9));
    const int signo = minutos / 1800;
    return QStringLiteral("%1°%2′ %3")
        .arg((minutos % 1800) / 60)
        .arg(minutos % 60, 2, 10, QLatin1Char('0'))
        .arg(Simbolos::NomeSignoLeitor(signo));
}

QString Orbe(double graus) {
    const int m = int(std::lround(graus * 60.0));
    return QStringLiteral("%1°%2′").arg(m / 60).arg(m % 60, 2, 10, QLatin1Char('0'));
}

QTableWidget* Tabela(const QString& nome, const QStringList& cabecalhos) {
    auto* t = new QTableWidget(0, int(cabecalhos.size()));
    t->setObjectName(nome);
    t->setHorizontalHeaderLabels(cabecalhos);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setAlternatingRowColors(true);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

void PoeLinha(QTableWidget* t, const QList<QTableWidgetItem*>& celulas) {
    const int r = t->rowCount();
    t->insertRow(r);
    for (int c = 0; c < celulas.size(); ++c) t->setItem(r, c, celulas[c]);
}

QTableWidgetItem* Texto(const QString& s) { return new QTableWidgetItem(s); }

QDateEdit* EditorData(const QString& nome, const QDate& d) {
    auto* e = new QDateEdit(d);
    e->setObjectName(nome);
    e->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    e->setCalendarPopup(true);
    e->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    return e;
}

// The aspect list of moving points to the natal ones, in a table.
void PreencheAspectos(QTableWidget* t, const std::vector<AspectoMomento>& v, const std::function<QString(int)>& nomeMovel) {
    t->setSortingEnabled(false);
    t->setRowCount(0);
    for (const AspectoMomento& a : v)
        PoeLinha(t, {Texto(nomeMovel(a.movel)), Texto(NomeAspecto(a.tipo)), Texto(NomePontoNatal(a.fixo)),
                     new Celula(Orbe(a.orbe), a.orbe), Texto(a.aplicativo ? QStringLiteral("aplicativo") : QStringLiteral("separativo"))});
    t->resizeColumnsToContents();
}

ConteudoRodaDupla Conteudo(const std::vector<PontoMovel>& moveis, const std::vector<AspectoMomento>& aspectos, const Natal& n) {
    ConteudoRodaDupla c;
    std::map<int, double> lambda;
    for (const PontoMovel& p : moveis) {
        if (p.codigo > 12) continue; // the angles are not bodies of the ring
        CorpoExterior e;
        e.corpo = p.codigo;
        e.lambda = p.longitude * kGrau;
        e.retrogrado = p.velocidade < 0;
        if (p.codigo == PONTO_ASCENDENTE) {
            e.nome = QStringLiteral("Ascendente");
            e.glifo = QStringLiteral("AS");
        }
        c.exterior.push_back(e);
        lambda[p.codigo] = e.lambda;
    }
    for (const AspectoMomento& a : aspectos)
        if (lambda.count(a.movel)) c.cordas.push_back({n.Longitude(a.fixo) * kGrau, lambda[a.movel], a.tipo});
    return c;
}
} // namespace

double JdDeDataHora(const QDateTime& utc) { return 2440587.5 + double(utc.toMSecsSinceEpoch()) / 86400000.0; }
QDateTime DataHoraDeJd(double jd) {
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround((jd - 2440587.5) * 86400000.0)), Qt::UTC);
}

// The period's events as bars over the months: the orb's span, a mark at each exact pass; an
// ingress or a station as a tick.
class LinhaTempo : public QWidget {
public:
    explicit LinhaTempo(QWidget* pai) : QWidget(pai) { setMinimumHeight(120); }
    void define(std::vector<const EventoTransito*> v, double inicio, double fim, double fuso) {
        m_v = std::move(v);
        m_inicio = inicio;
        m_fim = fim;
        m_fuso = fuso;
        setMinimumHeight(std::max(120, 24 + 9 * int(m_v.size())));
        update();
    }
    std::function<void(const EventoTransito*)> escolhido;

protected:
    double x(double jd) const { return 110 + (width() - 120) * (jd - m_inicio) / std::max(1.0, m_fim - m_inicio); }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().base());
        if (m_fim <= m_inicio) return;
        p.setPen(palette().mid().color());
        const QDate d0 = DataHoraDeJd(m_inicio + m_fuso / 24.0).date();
        for (QDate d(d0.year(), d0.month(), 1); ; d = d.addMonths(1)) {
            const double jd = JdDeDataHora(QDateTime(d, QTime(0, 0), Qt::UTC)) - m_fuso / 24.0;
            if (jd > m_fim) break;
            if (jd < m_inicio) continue;
            p.drawLine(QPointF(x(jd), 14), QPointF(x(jd), height()));
            p.drawText(QPointF(x(jd) + 2, 11), QLocale().monthName(d.month(), QLocale::ShortFormat));
        }
        QFont f = font();
        f.setPointSizeF(f.pointSizeF() * 0.75);
        p.setFont(f);
        for (size_t i = 0; i < m_v.size(); ++i) {
            const EventoTransito& e = *m_v[i];
            const double y = 18 + 9 * double(i);
            const TextoEvento t = DescreveEvento(e);
            p.setPen(palette().text().color());
            p.drawText(QRectF(2, y - 1, 106, 9), Qt::AlignLeft | Qt::AlignVCenter, t.corpo.left(3) + ' ' + t.relacao.left(4) + ' ' + t.alvo.left(4));
            const double a = std::max(m_inicio, std::isnan(e.entrada) ? e.Inicio() : e.entrada);
            const double b = std::min(m_fim, std::isnan(e.saida) ? e.Fim() : e.saida);
            const QColor cor = e.tipo == TipoEvento::Aspecto ? QColor(70, 110, 190) : QColor(190, 120, 40);
            p.fillRect(QRectF(x(a), y, std::max(2.0, x(b) - x(a)), 6), cor);
            p.setPen(Qt::red);
            for (double t2 : e.exactos)
                if (t2 >= m_inicio && t2 <= m_fim) p.drawLine(QPointF(x(t2), y - 1), QPointF(x(t2), y + 7));
        }
    }
    void mousePressEvent(QMouseEvent* ev) override {
        const int i = int((ev->position().y() - 18) / 9);
        if (i >= 0 && i < int(m_v.size()) && escolhido) escolhido(m_v[size_t(i)]);
    }

private:
    std::vector<const EventoTransito*> m_v;
    double m_inicio = 0, m_fim = 0, m_fuso = 0;
};

frmMovela::frmMovela(QWidget* pai) : QMainWindow(pai), m_orbes(LeOrbesTransito()) {
    setObjectName(QStringLiteral("frmMovela"));
    setWindowTitle(kTitulo);
    auto* centro = new QWidget;
    auto* v = new QVBoxLayout(centro);
    m_titulo = new QLabel(QStringLiteral("Nenhum mapa aberto (Ficheiro ▸ Abrir mapa…)"));
    m_titulo->setObjectName(QStringLiteral("lblMapa"));
    v->addWidget(m_titulo);
    m_abas = new QTabWidget;
    m_abas->setObjectName(QStringLiteral("abas"));
    m_abas->addTab(constroiMomento(), QStringLiteral("&Momento"));
    m_abas->addTab(constroiPeriodo(), QStringLiteral("&Período"));
    m_abas->addTab(constroiProgressoes(), QStringLiteral("P&rogressões"));
    m_abas->addTab(constroiArco(), QStringLiteral("&Arco solar"));
    m_abas->addTab(constroiRetornos(), QStringLiteral("Re&voluções"));
    v->addWidget(m_abas);
    setCentralWidget(centro);
    constroiMenus();
    m_abas->setEnabled(false);
    // Fits a 1366×768 screen with its task bar.
    const QRect ecra = screen() ? screen()->availableGeometry() : QRect(0, 0, 1366, 728);
    resize(std::min(1240, ecra.width() - 20), std::min(680, ecra.height() - 60));
}

void frmMovela::constroiMenus() {
    QMenu* f = menuBar()->addMenu(QStringLiteral("&Ficheiro"));
    f->addAction(QStringLiteral("&Abrir mapa…"), QKeySequence::Open, this, &frmMovela::abreOutro);
    f->addSeparator();
    f->addAction(QStringLiteral("Exportar a lista em &CSV…"), QKeySequence(QStringLiteral("Ctrl+E")), this, [this] { ExportaCsv(); });
    f->addAction(QStringLiteral("Exportar a lista em P&DF…"), QKeySequence(QStringLiteral("Ctrl+Shift+E")), this, [this] { ExportaPdf(); });
    f->addAction(QStringLiteral("Guardar a &roda (PNG, SVG)…"), QKeySequence(QStringLiteral("Ctrl+G")), this, [this] { ExportaRoda(); });
    f->addAction(QStringLiteral("Guardar a re&volução como mapa…"), QKeySequence::Save, this, [this] { GuardaRetorno(); });
    f->addAction(QStringLiteral("&Imprimir…"), QKeySequence::Print, this, &frmMovela::imprime);
    f->addSeparator();
    f->addAction(QStringLiteral("&Sair"), QKeySequence::Quit, this, &QWidget::close);
    QMenu* o = menuBar()->addMenu(QStringLiteral("&Opções"));
    o->addAction(QStringLiteral("&Orbes dos trânsitos…"), this, &frmMovela::editaOrbes);
}

QWidget* frmMovela::constroiMomento() {
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    m_roda = new RodaDupla;
    m_roda->setObjectName(QStringLiteral("rodaMomento"));
    h->addWidget(m_roda, 3);
    auto* direita = new QVBoxLayout;
    auto* linha = new QHBoxLayout;
    m_momento = new QDateTimeEdit;
    m_momento->setObjectName(QStringLiteral("dtMomento"));
    m_momento->setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm"));
    m_momento->setTimeSpec(Qt::UTC); // the clock of the birth zone, held as plain fields
    m_momento->setCalendarPopup(true);
    auto* rotulo = new QLabel(QStringLiteral("&Data e hora:"));
    rotulo->setBuddy(m_momento);
    linha->addWidget(rotulo);
    linha->addWidget(m_momento);
    auto* agora = new QPushButton(QStringLiteral("A&gora"));
    agora->setObjectName(QStringLiteral("btnAgora"));
    linha->addWidget(agora);
    linha->addStretch();
    direita->addLayout(linha);
    m_aspectos = Tabela(QStringLiteral("tblAspectos"), {QStringLiteral("Trânsito"), QStringLiteral("Aspecto"), QStringLiteral("Natal"),
                                                        QStringLiteral("Orbe"), QStringLiteral("")});
    m_aspectos->setSortingEnabled(true);
    direita->addWidget(m_aspectos);
    h->addLayout(direita, 2);
    connect(m_momento, &QDateTimeEdit::dateTimeChanged, this, [this] { actualizaMomento(); });
    connect(agora, &QPushButton::clicked, this, [this] { DefineMomento(QDateTime::currentDateTimeUtc()); });
    return w;
}

QWidget* frmMovela::constroiPeriodo() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    auto* linha = new QHBoxLayout;
    const QDate hoje = QDate::currentDate();
    m_inicio = EditorData(QStringLiteral("datInicio"), hoje);
    m_fim = EditorData(QStringLiteral("datFim"), hoje.addMonths(12).addDays(-1));
    auto* calcula = new QPushButton(QStringLiteral("&Calcular"));
    calcula->setObjectName(QStringLiteral("btnCalcular"));
    calcula->setDefault(true);
    linha->addWidget(new QLabel(QStringLiteral("De")));
    linha->addWidget(m_inicio);
    linha->addWidget(new QLabel(QStringLiteral("a")));
    linha->addWidget(m_fim);
    linha->addWidget(calcula);
    linha->addSpacing(16);
    m_filtroCorpo = new QComboBox;
    m_filtroCorpo->setObjectName(QStringLiteral("cmbCorpo"));
    m_filtroCorpo->addItem(QStringLiteral("Todos os trânsitos"), -1);
    m_filtroCorpo->addItem(QStringLiteral("Todos menos a Lua"), -2);
    for (int c = 0; c < N_TRANSITANTES; ++c) m_filtroCorpo->addItem(NomeTransitante(c), c);
    m_filtroPonto = new QComboBox;
    m_filtroPonto->setObjectName(QStringLiteral("cmbPonto"));
    m_filtroPonto->addItem(QStringLiteral("Todos os pontos"), -1);
    for (int c = 0; c < N_PONTOS_NATAIS; ++c) m_filtroPonto->addItem(NomePontoNatal(c), c);
    m_filtroTipo = new QComboBox;
    m_filtroTipo->setObjectName(QStringLiteral("cmbAspecto"));
    m_filtroTipo->addItem(QStringLiteral("Tudo"), -1);
    for (int t : TIPOS_ASPECTO) m_filtroTipo->addItem(NomeAspecto(t), t);
    m_filtroTipo->addItem(QStringLiteral("Ingressos nas casas"), 100);
    m_filtroTipo->addItem(QStringLiteral("Ingressos nos signos"), 101);
    m_filtroTipo->addItem(QStringLiteral("Estações"), 102);
    m_filtroCorpo->setCurrentIndex(1); // the Moon's passes, a dozen a month, hidden until asked for
    auto* rotulo = new QLabel(QStringLiteral("&Filtro:"));
    rotulo->setBuddy(m_filtroCorpo);
    linha->addWidget(rotulo);
    linha->addWidget(m_filtroCorpo);
    linha->addWidget(m_filtroPonto);
    linha->addWidget(m_filtroTipo);
    linha->addStretch();
    m_contagem = new QLabel;
    m_contagem->setObjectName(QStringLiteral("lblContagem"));
    linha->addWidget(m_contagem);
    v->addLayout(linha);

    auto* divisor = new QSplitter(Qt::Horizontal);
    auto* vistas = new QTabWidget;
    m_periodo = Tabela(QStringLiteral("tblPeriodo"), {QStringLiteral("Trânsito"), QStringLiteral("Relação"), QStringLiteral("Alvo"),
                                                      QStringLiteral("Entra"), QStringLiteral("Exacto"), QStringLiteral("Sai")});
    vistas->addTab(m_periodo, QStringLiteral("Lista"));
    m_linhaTempo = new LinhaTempo(nullptr);
    m_linhaTempo->setObjectName(QStringLiteral("linhaTempo"));
    auto* rolo = new QScrollArea;
    rolo->setWidget(m_linhaTempo);
    rolo->setWidgetResizable(true);
    vistas->addTab(rolo, QStringLiteral("Linha do tempo"));
    divisor->addWidget(vistas);
    m_texto = new QTextBrowser;
    m_texto->setObjectName(QStringLiteral("txtTexto"));
    divisor->addWidget(m_texto);
    divisor->setStretchFactor(0, 3);
    divisor->setStretchFactor(1, 1);
    v->addWidget(divisor, 1);
    v->addWidget(new QLabel(QStringLiteral("Duplo clique numa linha abre o momento exacto. Horas no fuso do nascimento.")));

    connect(calcula, &QPushButton::clicked, this, [this] { CalculaPeriodo(m_inicio->date(), m_fim->date()); });
    for (QComboBox* c : {m_filtroCorpo, m_filtroPonto, m_filtroTipo})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { filtra(); });
    connect(m_periodo, &QTableWidget::itemSelectionChanged, this, [this] { linhaEscolhida(); });
    connect(m_periodo, &QTableWidget::cellDoubleClicked, this, [this](int r, int) { abreLinha(r); });
    m_linhaTempo->escolhido = [this](const EventoTransito* e) {
        for (int r = 0; r < m_periodo->rowCount(); ++r)
            if (EventoDaLinha(r) == e) m_periodo->selectRow(r);
    };
    return w;
}

QWidget* frmMovela::constroiProgressoes() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    auto* linha = new QHBoxLayout;
    m_dataProgressao = EditorData(QStringLiteral("datProgressao"), QDate::currentDate());
    linha->addWidget(new QLabel(QStringLiteral("Progressões secundárias (um dia por ano) para")));
    linha->addWidget(m_dataProgressao);
    linha->addWidget(new QLabel(QStringLiteral("— Meio do Céu pelo arco solar em ascensão recta")));
    linha->addStretch();
    v->addLayout(linha);
    auto* h = new QHBoxLayout;
    m_progressao = Tabela(QStringLiteral("tblProgressao"), {QStringLiteral("Ponto"), QStringLiteral("Natal"), QStringLiteral("Progredido")});
    h->addWidget(m_progressao, 2);
    m_lunar = Tabela(QStringLiteral("tblLuaProgredida"), {QStringLiteral("Lua progredida"), QStringLiteral("Data")});
    auto* lua = new QVBoxLayout;
    lua->addWidget(m_lunar, 1);
    m_textoLua = new QTextBrowser;
    m_textoLua->setObjectName(QStringLiteral("txtLuaProgredida"));
    lua->addWidget(m_textoLua, 1);
    h->addLayout(lua, 2);
    v->addLayout(h, 3);
    auto* aspectos = Tabela(QStringLiteral("tblAspectosProgressao"), {QStringLiteral("Progredido"), QStringLiteral("Aspecto"),
                                                                     QStringLiteral("Natal"), QStringLiteral("Orbe"), QStringLiteral("")});
    v->addWidget(aspectos, 2);
    connect(m_dataProgressao, &QDateEdit::dateChanged, this, [this] { actualizaProgressoes(); });
    return w;
}

QWidget* frmMovela::constroiArco() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    auto* linha = new QHBoxLayout;
    m_dataArco = EditorData(QStringLiteral("datArco"), QDate::currentDate());
    linha->addWidget(new QLabel(QStringLiteral("Direcções por arco solar para")));
    linha->addWidget(m_dataArco);
    linha->addStretch();
    v->addLayout(linha);
    m_arco = Tabela(QStringLiteral("tblArco"), {QStringLiteral("Ponto"), QStringLiteral("Natal"), QStringLiteral("Direccionado")});
    v->addWidget(m_arco, 3);
    auto* aspectos = Tabela(QStringLiteral("tblAspectosArco"), {QStringLiteral("Direccionado"), QStringLiteral("Aspecto"),
                                                               QStringLiteral("Natal"), QStringLiteral("Orbe"), QStringLiteral("")});
    v->addWidget(aspectos, 2);
    connect(m_dataArco, &QDateEdit::dateChanged, this, [this] { actualizaArco(); });
    return w;
}

QWidget* frmMovela::constroiRetornos() {
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    auto* esquerda = new QVBoxLayout;
    auto* forma = new QFormLayout;
    m_tipoRet = new QComboBox;
    m_tipoRet->setObjectName(QStringLiteral("cmbRetorno"));
    m_tipoRet->addItems({QStringLiteral("Revolução solar"), QStringLiteral("Revolução lunar")});
    forma->addRow(QStringLiteral("&Tipo:"), m_tipoRet);
    m_dataRetorno = EditorData(QStringLiteral("datRetorno"), QDate::currentDate());
    forma->addRow(QStringLiteral("&Perto de:"), m_dataRetorno);
    esquerda->addLayout(forma);
    auto* calcula = new QPushButton(QStringLiteral("Ca&lcular"));
    calcula->setObjectName(QStringLiteral("btnRetorno"));
    auto* guarda = new QPushButton(QStringLiteral("&Guardar como mapa…"));
    guarda->setObjectName(QStringLiteral("btnGuardarRetorno"));
    esquerda->addWidget(calcula);
    esquerda->addWidget(guarda);
    m_resultadoRetorno = new QLabel;
    m_resultadoRetorno->setObjectName(QStringLiteral("lblRetorno"));
    m_resultadoRetorno->setWordWrap(true);
    m_resultadoRetorno->setTextInteractionFlags(Qt::TextSelectableByMouse);
    esquerda->addWidget(m_resultadoRetorno);
    m_lblLocalRetorno = new QLabel;
    m_lblLocalRetorno->setObjectName(QStringLiteral("lblLocalRetorno"));
    m_lblLocalRetorno->setWordWrap(true);
    esquerda->addWidget(m_lblLocalRetorno);
    auto* locaisBotoes = new QHBoxLayout;
    auto* doAtlas = new QPushButton(QStringLiteral("Local do atla&s…"));
    doAtlas->setObjectName(QStringLiteral("btnLocalRetorno"));
    auto* doNascimento = new QPushButton(QStringLiteral("Local do &nascimento"));
    doNascimento->setObjectName(QStringLiteral("btnLocalNascimento"));
    locaisBotoes->addWidget(doAtlas);
    locaisBotoes->addWidget(doNascimento);
    esquerda->addLayout(locaisBotoes);
    connect(doAtlas, &QPushButton::clicked, this, [this] {
        auto* atlas = new locais(this);
        atlas->setAttribute(Qt::WA_DeleteOnClose);
        connect(atlas, &locais::usar, this, [this, atlas](const LocalAtlas& l) {
            DefineLocalRetorno(l);
            atlas->close();
        });
        atlas->show();
    });
    connect(doNascimento, &QPushButton::clicked, this, [this] { DefineLocalRetorno(std::nullopt); });
    DefineLocalRetorno(std::nullopt);
    esquerda->addWidget(new QLabel(QStringLiteral("No anel exterior, o mapa natal.")));
    esquerda->addStretch();
    h->addLayout(esquerda, 1);
    m_rodaRetorno = new RodaDupla;
    m_rodaRetorno->setObjectName(QStringLiteral("rodaRetorno"));
    h->addWidget(m_rodaRetorno, 2);
    connect(calcula, &QPushButton::clicked, this, [this] {
        CalculaRetorno(m_tipoRet->currentIndex() == 0 ? TipoRetorno::Solar : TipoRetorno::Lunar, m_dataRetorno->date());
    });
    connect(guarda, &QPushButton::clicked, this, [this] { GuardaRetorno(); });
    return w;
}

bool frmMovela::AbreMapa(const QString& caminho) {
    CamposMapa campos;
    auto mapa = std::make_unique<Mapa>();
    Natal natal;
    QString erro;
    if (!OpenFile(caminho, campos, *mapa, {}, false)) return false; // OpenFile told the user
    if (!NatalDoMapa(campos, *mapa, natal, &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo, QStringLiteral("Não foi possível ler o mapa %1: %2").arg(caminho, erro));
        return false;
    }
    m_campos = campos;
    m_mapa = std::move(mapa);
    m_natal = natal;
    m_temMapa = true;
    m_temRetorno = false;
    m_eventos.clear();
    m_abas->setEnabled(true);
    setWindowTitle(natal.nome); // the program's name follows
    const int fuso = int(std::lround(natal.fuso * 60));
    m_titulo->setText(QStringLiteral("<b>%1</b> — %2 %3, %4 (fuso %5%6:%7)")
                          .arg(natal.nome.toHtmlEscaped(), campos.txtData, campos.txtHora, campos.txtlocal.toHtmlEscaped(),
                               fuso < 0 ? QStringLiteral("−") : QStringLiteral("+"))
                          .arg(std::abs(fuso) / 60)
                          .arg(std::abs(fuso) % 60, 2, 10, QLatin1Char('0')));
    m_rodaRetorno->define(nullptr, {});
    m_resultadoRetorno->clear();
    DefineMomento(QDateTime::currentDateTimeUtc());
    CalculaPeriodo(m_inicio->date(), m_fim->date());
    actualizaProgressoes();
    actualizaArco();
    return true;
}

void frmMovela::abreOutro() {
    const QString c = ShowFileDialog(this, false, FicheiroMapa);
    if (!c.isEmpty()) AbreMapa(c);
}

QString frmMovela::instante(double jd) const { return InstanteNoFuso(m_natal.fuso)(jd); }

double frmMovela::jdDeData(const QDate& d) const {
    return JdDeDataHora(QDateTime(d, QTime(0, 0), Qt::UTC)) - m_natal.fuso / 24.0;
}

void frmMovela::DefineMomento(const QDateTime& utc) {
    m_momento->setDateTime(utc.addSecs(qint64(std::lround(m_natal.fuso * 3600.0))));
    actualizaMomento();
}

QDateTime frmMovela::Momento() const {
    QDateTime d = m_momento->dateTime();
    d.setTimeSpec(Qt::UTC);
    return d.addSecs(-qint64(std::lround(m_natal.fuso * 3600.0)));
}

void frmMovela::actualizaMomento() {
    if (!m_temMapa) return;
    const double jd = JdDeDataHora(Momento());
    const std::vector<PontoMovel> t = TransitantesEm(jd);
    const std::vector<AspectoMomento> a = AspectosEntre(t, m_natal.pontos, [this](int c) { return m_orbes.graus[size_t(c)]; });
    PreencheAspectos(m_aspectos, a, NomeTransitante);
    m_roda->define(m_mapa.get(), Conteudo(t, a, m_natal));
}

bool frmMovela::CalculaPeriodo(const QDate& inicio, const QDate& fim) {
    if (!m_temMapa) return false;
    PedidoPeriodo p;
    p.inicio = jdDeData(inicio);
    p.fim = jdDeData(fim) + 1.0;
    if (p.fim <= p.inicio || p.fim - p.inicio > PERIODO_MAXIMO) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo, QStringLiteral("O fim do período deve vir depois do início, até cem anos."));
        return false;
    }
    p.orbes = m_orbes;
    m_inicio->setDate(inicio);
    m_fim->setDate(fim);
    QProgressDialog progresso(QStringLiteral("A calcular os trânsitos…"), QStringLiteral("Cancelar"), 0, 100, this);
    progresso.setWindowModality(Qt::WindowModal);
    progresso.setMinimumDuration(400);
    bool cancelado = false;
    m_eventos = TransitosDoPeriodo(m_natal, p, [&](int pc) {
        progresso.setValue(pc);
        cancelado = progresso.wasCanceled();
        return !cancelado;
    });
    progresso.reset();
    preenchePeriodo();
    return !cancelado;
}

void frmMovela::preenchePeriodo() {
    m_periodo->setSortingEnabled(false);
    m_periodo->setRowCount(0);
    const FormataInstante f = InstanteNoFuso(m_natal.fuso);
    auto data = [&](double jd) { return new Celula(std::isnan(jd) ? QString() : f(jd), std::isnan(jd) ? -1e9 : jd); };
    for (size_t i = 0; i < m_eventos.size(); ++i) {
        const EventoTransito& e = m_eventos[i];
        const TextoEvento t = DescreveEvento(e);
        QStringList exactos;
        for (double x : e.exactos) exactos << f(x);
        auto* primeira = new Celula(t.corpo, e.corpo);
        primeira->setData(kIndice, int(i));
        const bool aspecto = e.tipo == TipoEvento::Aspecto;
        PoeLinha(m_periodo, {primeira, Texto(t.relacao), Texto(t.alvo), aspecto ? data(e.entrada) : data(SEM_DATA),
                             new Celula(exactos.join(QStringLiteral("; ")), e.exactos.empty() ? e.Inicio() : e.exactos.front()),
                             aspecto ? data(e.saida) : data(SEM_DATA)});
    }
    m_periodo->setSortingEnabled(true);
    m_periodo->sortByColumn(4, Qt::AscendingOrder);
    m_periodo->resizeColumnsToContents();
    filtra();
}

const EventoTransito* frmMovela::EventoDaLinha(int linha) const {
    const QTableWidgetItem* c = linha >= 0 && linha < m_periodo->rowCount() ? m_periodo->item(linha, 0) : nullptr;
    if (!c) return nullptr;
    const int i = c->data(kIndice).toInt();
    return i >= 0 && size_t(i) < m_eventos.size() ? &m_eventos[size_t(i)] : nullptr;
}

void frmMovela::filtra() {
    const int corpo = m_filtroCorpo->currentData().toInt();
    const int ponto = m_filtroPonto->currentData().toInt();
    const int tipo = m_filtroTipo->currentData().toInt();
    std::vector<const EventoTransito*> visiveis;
    for (int r = 0; r < m_periodo->rowCount(); ++r) {
        const EventoTransito* e = EventoDaLinha(r);
        bool mostra = e && (corpo == -1 || (corpo == -2 && e->corpo != 1) || e->corpo == corpo);
        if (mostra && ponto >= 0) mostra = e->tipo == TipoEvento::Aspecto && e->alvo == ponto;
        if (mostra && tipo >= 0 && tipo < 100) mostra = e->tipo == TipoEvento::Aspecto && e->aspecto == tipo;
        if (mostra && tipo >= 100) mostra = int(e->tipo) == tipo - 99;
        m_periodo->setRowHidden(r, !mostra);
        if (mostra) visiveis.push_back(e);
    }
    m_contagem->setText(QStringLiteral("%1 de %2").arg(visiveis.size()).arg(m_eventos.size()));
    m_linhaTempo->define(visiveis, jdDeData(m_inicio->date()), jdDeData(m_fim->date()) + 1.0, m_natal.fuso);
}

void frmMovela::linhaEscolhida() {
    const QList<QTableWidgetItem*> s = m_periodo->selectedItems();
    const EventoTransito* e = s.isEmpty() ? nullptr : EventoDaLinha(s.first()->row());
    if (!e) {
        m_texto->clear();
        return;
    }
    QString html = QStringLiteral("<h3>%1</h3><p>%2</p>").arg(LinhaEvento(*e, InstanteNoFuso(m_natal.fuso)).section(QStringLiteral(" — "), 0, 0).toHtmlEscaped(),
                                                              LinhaEvento(*e, InstanteNoFuso(m_natal.fuso)).section(QStringLiteral(" — "), 1).toHtmlEscaped());
    const QString t = m_base ? TextoMovela(*m_base, CodigoTextoMovela(*e), m_campos).toHtmlEscaped() : QString();
    html += t.isEmpty() ? QStringLiteral("<p><i>Sem texto de interpretação para esta linha.</i></p>") : QStringLiteral("<p>%1</p>").arg(t);
    m_texto->setHtml(html);
}

QString frmMovela::TextoMostrado() const { return m_texto->toPlainText(); }

void frmMovela::abreLinha(int linha) {
    const EventoTransito* e = EventoDaLinha(linha);
    if (!e) return;
    DefineMomento(DataHoraDeJd(e->exactos.empty() ? e->Inicio() : e->exactos.front()));
    m_abas->setCurrentIndex(0);
}

void frmMovela::actualizaProgressoes() {
    if (!m_temMapa) return;
    const double jd = jdDeData(m_dataProgressao->date()) + 0.5;
    const Progressao p = Progride(m_natal, jd);
    m_progressao->setRowCount(0);
    const std::vector<PontoMovel> pontos = p.Pontos();
    for (const PontoMovel& m : pontos)
        PoeLinha(m_progressao, {Texto(NomePontoNatal(m.codigo)), Texto(Graus(m_natal.Longitude(m.codigo))),
                                Texto(Graus(m.longitude) + (m.velocidade < 0 ? QStringLiteral(" R") : QString()))});
    m_progressao->resizeColumnsToContents();
    PreencheAspectos(findChild<QTableWidget*>(QStringLiteral("tblAspectosProgressao")),
                     AspectosEntre(pontos, m_natal.pontos, [](int) { return ORBE_PROGRESSAO; }), NomePontoNatal);
    // The progressed Moon over the period's first three years at least.
    const double a = jdDeData(m_inicio->date());
    const double b = std::max(jdDeData(m_fim->date()) + 1.0, a + 3 * ANO_TROPICO);
    m_lunar->setRowCount(0);
    for (const EventoTransito& e : IngressosLuaProgredida(m_natal, a, b)) {
        const TextoEvento t = DescreveEvento(e);
        PoeLinha(m_lunar, {Texto(t.relacao + QLatin1Char(' ') + t.alvo), Texto(instante(e.Inicio()).left(10))});
    }
    m_lunar->resizeColumnsToContents();
    // The house the progressed Moon is in at the date, and its text.
    const double luaP = p.corpos.size() > 1 ? p.corpos[1].longitude : 0.0;
    EventoTransito casa;
    casa.tipo = TipoEvento::Casa;
    casa.corpo = 1;
    casa.alvo = CasaDe(luaP, m_natal.cuspides);
    const QString t = m_base ? TextoMovela(*m_base, CodigoTextoMovela(casa, true), m_campos) : QString();
    m_textoLua->setHtml(QStringLiteral("<h3>A Lua progredida na casa %1, em %2</h3><p>%3</p>")
                            .arg(DescreveEvento(casa).alvo, Graus(luaP), t.toHtmlEscaped()));
}

void frmMovela::actualizaArco() {
    if (!m_temMapa) return;
    const std::vector<PontoMovel> d = Direcciona(m_natal, jdDeData(m_dataArco->date()) + 0.5);
    m_arco->setRowCount(0);
    for (const PontoMovel& m : d)
        PoeLinha(m_arco, {Texto(NomePontoNatal(m.codigo)), Texto(Graus(m_natal.Longitude(m.codigo))), Texto(Graus(m.longitude))});
    m_arco->resizeColumnsToContents();
    PreencheAspectos(findChild<QTableWidget*>(QStringLiteral("tblAspectosArco")),
                     AspectosEntre(d, m_natal.pontos, [](int) { return ORBE_PROGRESSAO; }), NomePontoNatal);
}

double frmMovela::CalculaRetorno(TipoRetorno tipo, const QDate& perto) {
    if (!m_temMapa) return SEM_DATA;
    m_tipoRet->setCurrentIndex(tipo == TipoRetorno::Solar ? 0 : 1);
    m_dataRetorno->setDate(perto);
    const double t = InstanteRetorno(tipo, m_natal.Longitude(tipo == TipoRetorno::Solar ? 0 : 1), jdDeData(perto) + 0.5);
    QString erro;
    LugarRetorno lugar{m_campos.txtlocal, m_natal.latitude, m_natal.longitudeLeste, m_natal.fuso};
    if (m_localRetorno && !std::isnan(t)) {
        // The atlas place's coordinates, and its legal time at the return (summer time included).
        lugar.nome = m_localRetorno->nome;
        lugar.latitude = NormalizaLatitude(m_localRetorno->latitude).valor;
        lugar.longitudeLeste = -15.0 * NormalizaLongitude(m_localRetorno->longitude).valor;
        // The zone takes a clock time: the offset read at universal time, then again at the
        // clock time it gives, settles it away from a change of the clocks.
        const QDateTime utc = DataHoraDeJd(t);
        lugar.fuso = lugar.longitudeLeste / 15.0;
        for (int passo = 0; passo < 2; ++passo) {
            const QDateTime relogio = utc.addSecs(qint64(std::lround(lugar.fuso * 3600.0)));
            const FusoLocal f = FusoParaLocal(m_localRetorno->fuso, relogio.date(), relogio.time(), lugar.longitudeLeste);
            if (f.situacao != FusoLocal::Situacao::ZonaDesconhecida) lugar.fuso = f.horas;
        }
    }
    m_temRetorno = !std::isnan(t) && MapaRetorno(m_natal, tipo, t, lugar, m_camposRetorno, m_mapaRetorno, &erro);
    if (!m_temRetorno) {
        m_resultadoRetorno->setText(QStringLiteral("Não foi possível calcular a revolução: %1").arg(erro.isEmpty() ? QStringLiteral("sem efemérides para a data") : erro));
        m_rodaRetorno->define(nullptr, {});
        return SEM_DATA;
    }
    m_instanteRetorno = t;
    m_tipoRetorno = tipo;
    const QDateTime local = DataHoraDeJd(t).addSecs(qint64(std::lround(m_natal.fuso * 3600.0)));
    m_resultadoRetorno->setText(QStringLiteral("<b>%1</b><br>%2 às %3 (fuso do nascimento)<br>%4 UT")
                                    .arg(NomeRetorno(m_natal, tipo, t, m_natal.fuso).toHtmlEscaped(),
                                         local.toString(QStringLiteral("dd/MM/yyyy")), local.toString(QStringLiteral("HH:mm:ss")),
                                         DataHoraDeJd(t).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))));
    m_rodaRetorno->define(&m_mapaRetorno, {CorposExteriores(*m_mapa), {}});
    return t;
}

void frmMovela::DefineLocalRetorno(const std::optional<LocalAtlas>& local) {
    m_localRetorno = local;
    m_lblLocalRetorno->setText(local ? QStringLiteral("Lançada para %1.").arg(local->nome)
                                     : QStringLiteral("Lançada para o local do nascimento."));
    if (m_temRetorno) CalculaRetorno(m_tipoRetorno, m_dataRetorno->date());
}

bool frmMovela::GuardaRetorno(const QString& caminho) {
    if (!m_temRetorno) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo, QStringLiteral("Calcule primeiro uma revolução (separador Revoluções)."));
        return false;
    }
    const QString c = caminho.isEmpty() ? ShowFileDialog(this, true, FicheiroMapa, m_camposRetorno.txtNome) : caminho;
    if (c.isEmpty()) return false;
    return SaveToFile(c, m_camposRetorno); // reports its own failures
}

bool frmMovela::ExportaCsv(const QString& caminho) {
    if (m_eventos.empty()) return false;
    const QString c = caminho.isEmpty() ? QFileDialog::getSaveFileName(this, QStringLiteral("Exportar a lista"), m_natal.nome + QStringLiteral(" - trânsitos.csv"),
                                                                       QStringLiteral("Folha CSV (*.csv)"))
                                        : caminho;
    if (c.isEmpty()) return false;
    std::vector<EventoTransito> visiveis;
    for (int r = 0; r < m_periodo->rowCount(); ++r)
        if (!m_periodo->isRowHidden(r)) visiveis.push_back(*EventoDaLinha(r));
    QString erro;
    if (!GravaFicheiro(c, CsvPeriodo(visiveis, InstanteIsoNoFuso(m_natal.fuso)), &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo, QStringLiteral("Não foi possível escrever %1: %2").arg(c, erro));
        return false;
    }
    return true;
}

namespace {
// The period's visible lines with the moment's bi-wheel, as a document for a PDF or the printer.
void DocumentoPeriodo(QTextDocument& doc, const QString& titulo, const QImage& roda, QTableWidget* t) {
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("movela://roda")), roda);
    QString h = QStringLiteral("<h2>%1</h2><p align=center><img src='movela://roda' width=300 height=300></p>"
                               "<table border=1 cellspacing=0 cellpadding=2 width=100%><tr>")
                    .arg(titulo.toHtmlEscaped());
    for (int c = 0; c < t->columnCount(); ++c) h += QStringLiteral("<th>%1</th>").arg(t->horizontalHeaderItem(c)->text());
    h += QStringLiteral("</tr>");
    for (int r = 0; r < t->rowCount(); ++r) {
        if (t->isRowHidden(r)) continue;
        h += QStringLiteral("<tr>");
        for (int c = 0; c < t->columnCount(); ++c) h += QStringLiteral("<td>%1</td>").arg(t->item(r, c) ? t->item(r, c)->text().toHtmlEscaped() : QString());
        h += QStringLiteral("</tr>");
    }
    doc.setHtml(h + QStringLiteral("</table>"));
}
} // namespace

bool frmMovela::ExportaPdf(const QString& caminho) {
    if (m_eventos.empty()) return false;
    const QString c = caminho.isEmpty() ? ShowFileDialog(this, true, FicheiroPdf, m_natal.nome) : caminho;
    if (c.isEmpty()) return false;
    QTextDocument doc;
    DocumentoPeriodo(doc, QStringLiteral("Trânsitos de %1 — %2 a %3").arg(m_natal.nome, m_inicio->date().toString(QStringLiteral("dd/MM/yyyy")),
                                                                         m_fim->date().toString(QStringLiteral("dd/MM/yyyy"))),
                     ImagemRodaDupla(*m_mapa, m_roda->conteudo(), 600, 2.0), m_periodo);
    QString erro;
    const bool ok = GravaFicheiro(c, [&](QIODevice& d) {
        QPdfWriter pdf(&d);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(QStringLiteral("Trânsitos de ") + m_natal.nome);
        pdf.setCreator(kTitulo);
        // Laid out on an A4 page of 595 units across, then scaled to the writer's resolution.
        const double escala = pdf.width() / 595.0;
        const QSizeF pagina(595.0, pdf.height() / escala);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(8);
        doc.setDefaultFont(f);
        doc.setPageSize(pagina);
        doc.setDocumentMargin(36);
        QPainter p(&pdf);
        p.scale(escala, escala);
        const int paginas = doc.pageCount();
        for (int i = 0; i < paginas; ++i) {
            if (i) pdf.newPage();
            p.save();
            p.translate(0, -i * pagina.height());
            doc.drawContents(&p, QRectF(0, i * pagina.height(), pagina.width(), pagina.height()));
            p.restore();
        }
        return p.end();
    }, &erro);
    if (!ok) CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo, QStringLiteral("Não foi possível escrever %1: %2").arg(c, erro));
    return ok;
}

bool frmMovela::ExportaRoda(const QString& caminho) {
    if (!m_temMapa) return false;
    const bool retorno = m_abas->currentIndex() == 4 && m_temRetorno;
    const QString c = caminho.isEmpty() ? QFileDialog::getSaveFileName(this, QStringLiteral("Guardar a roda"), m_natal.nome + QStringLiteral(".png"),
                                                                       QStringLiteral("Imagem PNG (*.png);;Desenho SVG (*.svg)"))
                                        : caminho;
    if (c.isEmpty()) return false;
    QString erro;
    if (!ExportaRodaDupla(retorno ? m_mapaRetorno : *m_mapa, retorno ? m_rodaRetorno->conteudo() : m_roda->conteudo(), c, 900, &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo, QStringLiteral("Não foi possível escrever %1: %2").arg(c, erro));
        return false;
    }
    return true;
}

void frmMovela::imprime() {
    if (m_eventos.empty()) return;
    QPrinter impressora(QPrinter::HighResolution);
    QString destino;
    if (!PreparaImpressora(this, impressora, m_natal.nome, &destino)) return;
    QTextDocument doc;
    DocumentoPeriodo(doc, QStringLiteral("Trânsitos de ") + m_natal.nome, ImagemRodaDupla(*m_mapa, m_roda->conteudo(), 600, 2.0), m_periodo);
    doc.print(&impressora);
    QString erro;
    if (!ConcluiImpressao(impressora, destino, &erro))
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo, QStringLiteral("Não foi possível imprimir: ") + erro);
}

void frmMovela::editaOrbes() {
    QDialog d(this);
    d.setWindowTitle(QStringLiteral("Orbes dos trânsitos"));
    auto* forma = new QFormLayout(&d);
    std::array<QDoubleSpinBox*, N_TRANSITANTES> caixas{};
    for (int c = 0; c < N_TRANSITANTES; ++c) {
        caixas[size_t(c)] = new QDoubleSpinBox;
        caixas[size_t(c)]->setRange(0.1, 10.0);
        caixas[size_t(c)]->setSingleStep(0.25);
        caixas[size_t(c)]->setSuffix(QStringLiteral("°"));
        caixas[size_t(c)]->setValue(m_orbes.graus[size_t(c)]);
        forma->addRow(NomeTransitante(c), caixas[size_t(c)]);
    }
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults);
    connect(botoes, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    connect(botoes->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, &d, [&] {
        for (int c = 0; c < N_TRANSITANTES; ++c) caixas[size_t(c)]->setValue(OrbesTransito::Padrao().graus[size_t(c)]);
    });
    forma->addRow(botoes);
    if (d.exec() != QDialog::Accepted) return;
    for (int c = 0; c < N_TRANSITANTES; ++c) m_orbes.graus[size_t(c)] = caixas[size_t(c)]->value();
    GravaOrbesTransito(m_orbes);
    actualizaMomento();
    if (m_temMapa) CalculaPeriodo(m_inicio->date(), m_fim->date());
}
