#include "frmglobal.h"

#include "ajusteecra.h"
#include "desenhos.h"
#include "mapa.h"
#include "sessaomapa.h"
#include "superficie.h"
#include "superficieecra.h"
#include "textos.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

frmGlobal::frmGlobal(QWidget* pai) : QWidget(pai, Qt::Window) {
    setObjectName(QStringLiteral("frmGlobal"));
    setWindowTitle(QStringLiteral("Global"));
    auto* v = new QVBoxLayout(this);
    m_data = new QLabel;
    m_data->setObjectName(QStringLiteral("data"));
    m_data->setWordWrap(true);
    v->addWidget(m_data);
    auto* h = new QHBoxLayout;
    m_map = new SuperficieEcra;
    m_map->setObjectName(QStringLiteral("map"));
    m_map->setMinimumSize(500, 400);
    h->addWidget(m_map, 3);
    m_Lista = new QListWidget;
    m_Lista->setObjectName(QStringLiteral("Lista"));
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setStyleHint(QFont::Monospace);
    verdana.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    m_Lista->setFont(verdana);
    m_Lista->setMinimumWidth(380);
    h->addWidget(m_Lista, 1);
    v->addLayout(h, 1);
    connect(m_map, &SuperficieEcra::redimensionada, this, [this] { desenha(); });
    AjustaAoEcra(this, QSize(1150, 640));
    FechaComEscape(this);
}

void frmGlobal::ShowWith(int modo, SessaoMapa& sessao, const QImage& roda, const QImage& grelha, const QString& estado) {
    m_sessao = &sessao;
    m_modo = modo;
    m_roda = roda;
    m_grelha = grelha;
    m_data->setToolTip(estado);
    if (modo == 1) {
        m_Lista->show();
        m_data->setText(estado);
        Writelista(sessao);
    } else {
        m_Lista->hide();
        m_data->setText(sessao.campos().anjo);
    }
    m_map->defineQuadrada(modo == 2);
    // The large wheel takes the whole available screen; the sheet keeps its own size.
    if (modo == 2)
        showMaximized();
    else
        showNormal();
    raise();
    desenha();
}

void frmGlobal::desenha() {
    if (!m_sessao)
        return;
    if (m_modo == 2) {
        QImage imagem = m_map->novaImagem();
        Superficie s(imagem);
        RedrawChart(s, nullptr, m_sessao->mapa(), false);
        s.Termina();
        m_map->defineImagem(imagem);
        return;
    }
    // The composite sheet: the grid and the wheel side by side on white, centred vertically.
    QImage folha = m_map->novaImagem();
    folha.fill(Qt::white);
    QPainter p(&folha);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF tamanho = QSizeF(folha.size()) / folha.devicePixelRatio();
    const QSizeF g = QSizeF(m_grelha.size()) / std::max(1.0, m_grelha.devicePixelRatio());
    const double ladoRoda = std::min(tamanho.height(), tamanho.width() - g.width() - 10);
    const double yGrelha = (tamanho.height() - g.height()) / 2.0;
    if (!m_grelha.isNull())
        p.drawImage(QRectF(QPointF(0, std::max(0.0, yGrelha)), g), m_grelha);
    if (!m_roda.isNull() && ladoRoda > 0)
        p.drawImage(QRectF(g.width() + 10, (tamanho.height() - ladoRoda) / 2.0, ladoRoda, ladoRoda), m_roda);
    p.end();
    m_map->defineImagem(folha);
}

void frmGlobal::Writelista(SessaoMapa& sessao) {
    m_Lista->clear();
    m_Lista->addItem(QStringLiteral("Partes"));
    m_Lista->addItem(QString());
    for (int k = 0; k < 7; ++k) {
        QString nome = RotuloParteCampo(k);
        nome += QString(std::max<qsizetype>(0, 30 - nome.size()), QLatin1Char(' '));
        m_Lista->addItem(nome + sessao.campos().partes[k]);
    }
}
