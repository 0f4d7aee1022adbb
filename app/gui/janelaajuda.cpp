#include "janelaajuda.h"

#include "ajusteecra.h"
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QString semAcentos(const QString& s) {
    QString d = s.normalized(QString::NormalizationForm_D);
    d.remove(QRegularExpression(QStringLiteral("[\\x{0300}-\\x{036f}]")));
    return d.toLower();
}
} // namespace

JanelaAjuda::JanelaAjuda(QWidget* pai) : QWidget(pai, Qt::Window) {
    setObjectName(QStringLiteral("JanelaAjuda"));
    setWindowTitle(QStringLiteral("Ajuda do Natalis"));
    auto* divisor = new QSplitter;
    auto* esquerda = new QWidget;
    auto* v = new QVBoxLayout(esquerda);
    v->setContentsMargins(0, 0, 0, 0);
    m_procura = new QLineEdit;
    m_procura->setObjectName(QStringLiteral("procuraAjuda"));
    m_procura->setPlaceholderText(QStringLiteral("Procurar…"));
    m_procura->setClearButtonEnabled(true);
    m_conteudos = new QListWidget;
    m_conteudos->setObjectName(QStringLiteral("conteudosAjuda"));
    v->addWidget(new QLabel(QStringLiteral("Conteúdos")));
    v->addWidget(m_procura);
    v->addWidget(m_conteudos, 1);
    m_texto = new QTextBrowser;
    m_texto->setObjectName(QStringLiteral("textoAjuda"));
    m_texto->setOpenExternalLinks(true);
    divisor->addWidget(esquerda);
    divisor->addWidget(m_texto);
    divisor->setStretchFactor(1, 3);
    auto* h = new QHBoxLayout(this);
    h->addWidget(divisor);
    connect(m_conteudos, &QListWidget::itemActivated, this, [this](QListWidgetItem* i) {
        m_texto->scrollToAnchor(i->data(Qt::UserRole).toString());
    });
    connect(m_conteudos, &QListWidget::itemClicked, this, [this](QListWidgetItem* i) {
        m_texto->scrollToAnchor(i->data(Qt::UserRole).toString());
    });
    connect(m_procura, &QLineEdit::textChanged, this, [this](const QString& t) {
        QStringList ancoras;
        if (t.trimmed().isEmpty()) {
            for (const auto& s : std::as_const(m_seccoes))
                ancoras << s.first;
        } else {
            ancoras = procura(t);
        }
        preencheConteudos(ancoras);
        if (!t.trimmed().isEmpty())
            m_texto->find(t.trimmed());
    });
    AjustaAoEcra(this, QSize(900, 640));
    FechaComEscape(this);
}

bool JanelaAjuda::abre(const QString& ficheiro) {
    if (ficheiro == m_ficheiro && !m_seccoes.isEmpty())
        return true;
    QFile f(ficheiro);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString html = QString::fromUtf8(f.readAll());
    m_ficheiro = ficheiro;
    m_texto->setSearchPaths({QFileInfo(ficheiro).absolutePath()});
    m_texto->setHtml(html);
    m_seccoes.clear();
    m_titulos.clear();
    // Sections: from each <h2 id="..."> to the next.
    const QRegularExpression titulo(QStringLiteral("<h2 id=\"([^\"]+)\">(.*?)</h2>"));
    auto it = titulo.globalMatch(html);
    QList<QRegularExpressionMatch> encontros;
    while (it.hasNext())
        encontros << it.next();
    for (int i = 0; i < encontros.size(); ++i) {
        const auto& m = encontros[i];
        const qsizetype fim = i + 1 < encontros.size() ? encontros[i + 1].capturedStart() : html.size();
        QTextDocument d;
        d.setHtml(html.mid(m.capturedStart(), fim - m.capturedStart()));
        m_seccoes.append({m.captured(1), d.toPlainText()});
        QTextDocument t;
        t.setHtml(m.captured(2));
        m_titulos.insert(m.captured(1), t.toPlainText());
    }
    QStringList todas;
    for (const auto& s : std::as_const(m_seccoes))
        todas << s.first;
    preencheConteudos(todas);
    return true;
}

void JanelaAjuda::preencheConteudos(const QStringList& ancoras) {
    m_conteudos->clear();
    for (const QString& a : ancoras) {
        auto* item = new QListWidgetItem(m_titulos.value(a));
        item->setData(Qt::UserRole, a);
        m_conteudos->addItem(item);
    }
}

QStringList JanelaAjuda::procura(const QString& pergunta) const {
    const QStringList palavras = semAcentos(pergunta).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QStringList r;
    for (const auto& s : m_seccoes) {
        const QString texto = semAcentos(s.second);
        if (std::all_of(palavras.begin(), palavras.end(), [&](const QString& p) { return texto.contains(p); }))
            r << s.first;
    }
    return r;
}

void JanelaAjuda::mostra(bool procurar) {
    show();
    raise();
    activateWindow();
    if (procurar) {
        m_procura->setFocus();
        m_procura->selectAll();
    } else {
        m_conteudos->setFocus();
    }
}
