// View 4's formula keypad.
#include "frmmain.h"

#include "teclado.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QWidget* frmMain::criaTeclado() {
    auto* caixa = new QGroupBox(QStringLiteral("Calculadora de partes"));
    auto* v = new QVBoxLayout(caixa);
    m_txtexpression = new QLineEdit;
    m_txtexpression->setObjectName(QStringLiteral("txtexpression"));
    m_txtexpression->setPlaceholderText(QStringLiteral("por exemplo ASC - SOL + LUA"));
    v->addWidget(m_txtexpression);
    auto* g = new QGridLayout;
    g->setSpacing(3);
    // Index, caption, row, column.
    struct Tecla {
        int indice;
        const char* legenda;
        int linha, coluna;
    };
    static const Tecla teclas[] = {
        {0, "SOL", 0, 0},  {1, "LUA", 0, 1},  {2, "MER", 0, 2},  {3, "VEN", 0, 3},  {4, "MAR", 0, 4},  {5, "JUP", 0, 5},
        {6, "SAT", 1, 0},  {7, "URA", 1, 1},  {8, "NEP", 1, 2},  {9, "PLU", 1, 3},  {10, "NOD", 1, 4}, {11, "SOD", 1, 5},
        {18, "ASC", 2, 0}, {19, "II", 2, 1},  {20, "III", 2, 2}, {39, "BC", 2, 3},  {40, "V", 2, 4},   {41, "VI", 2, 5},
        {42, "DES", 3, 0}, {43, "VIII", 3, 1}, {44, "IX", 3, 2}, {21, "MC", 3, 3},  {22, "XI", 3, 4},  {23, "XII", 3, 5},
        {31, "7", 4, 0},   {32, "8", 4, 1},   {33, "9", 4, 2},   {15, "/", 4, 3},   {16, "(", 4, 4},   {17, ")", 4, 5},
        {28, "4", 5, 0},   {29, "5", 5, 1},   {30, "6", 5, 2},   {14, "*", 5, 3},   {26, "PI", 5, 5},
        {35, "1", 6, 0},   {36, "2", 6, 1},   {37, "3", 6, 2},   {13, "-", 6, 3},   {12, "+", 6, 4},   {38, "^", 6, 5},
        {34, "0", 7, 0},   {45, ",", 7, 1},   {24, "ASC - SOL + LUA", 7, 2}, {25, "ASC + SOL - LUA", 7, 4},
        {27, "=", 8, 0}};
    for (const Tecla& t : teclas) {
        if (t.indice >= 100)
            continue;
        auto* b = new QPushButton(QString::fromUtf8(t.legenda));
        b->setObjectName(QStringLiteral("pad%1").arg(t.indice));
        b->setAutoDefault(false);
        const int largura = t.indice == 24 || t.indice == 25 ? 2 : (t.indice == 27 ? 6 : 1);
        g->addWidget(b, t.linha, t.coluna, 1, largura);
        connect(b, &QPushButton::clicked, this, [this, t] { teclaPad(t.indice, QString::fromUtf8(t.legenda)); });
    }
    // Not a key of the formula: empties the field and the results for a new formula.
    auto* limpar = new QPushButton(QStringLiteral("Limpar"));
    limpar->setObjectName(QStringLiteral("padLimpar"));
    limpar->setAutoDefault(false);
    g->addWidget(limpar, 5, 4);
    connect(limpar, &QPushButton::clicked, this, [this] {
        m_txtexpression->clear();
        m_calparte->clear();
        m_calpartescasas->clear();
        m_erroExpressao->clear();
        m_txtexpression->setFocus();
    });
    v->addLayout(g);
    auto* resultado = new QGridLayout;
    resultado->addWidget(new QLabel(QStringLiteral("Posição:")), 0, 0);
    m_calparte = new QLabel;
    m_calparte->setObjectName(QStringLiteral("calparte"));
    m_calparte->setTextInteractionFlags(Qt::TextSelectableByMouse);
    resultado->addWidget(m_calparte, 0, 1);
    resultado->addWidget(new QLabel(QStringLiteral("Casa:")), 1, 0);
    m_calpartescasas = new QLabel;
    m_calpartescasas->setObjectName(QStringLiteral("calpartescasas"));
    resultado->addWidget(m_calpartescasas, 1, 1);
    m_erroExpressao = new QLabel;
    m_erroExpressao->setObjectName(QStringLiteral("erroExpressao"));
    m_erroExpressao->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_erroExpressao->setWordWrap(true);
    resultado->addWidget(m_erroExpressao, 2, 0, 1, 2);
    resultado->setColumnStretch(1, 1);
    v->addLayout(resultado);
    v->addStretch();
    connect(m_txtexpression, &QLineEdit::returnPressed, this, [this] { avaliaExpressao(); });
    return caixa;
}

void frmMain::teclaPad(int indice, const QString& legenda) {
    if (indice == 27) {
        avaliaExpressao();
        return;
    }
    m_txtexpression->insert(TextoTecla(indice, legenda) + QLatin1Char(' '));
    m_txtexpression->setFocus();
}

void frmMain::avaliaExpressao() {
    const QString formula = m_txtexpression->text().trimmed().toUpper();
    m_txtexpression->setText(formula + QLatin1Char(' '));
    const ResultadoTeclado r = AvaliaFormula(formula, m_sessao.mapa());
    m_calparte->setText(r.posicao);
    m_calpartescasas->setText(r.casa);
    m_erroExpressao->setText(r.erro);
}
