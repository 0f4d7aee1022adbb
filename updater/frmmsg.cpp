#include "frmmsg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>

frmmsg::frmmsg(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("frmmsg"));
    setWindowTitle(QStringLiteral("Natalis"));
    m_icone = new QLabel(this);
    m_icone->setObjectName(QStringLiteral("icone"));
    m_icone->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    m_msg = new QLabel(this);
    m_msg->setObjectName(QStringLiteral("msg"));
    m_msg->setWordWrap(true);
    m_msg->setMinimumWidth(320);
    // Clicks on the icon or the text reach the window, which closes.
    m_icone->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_msg->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* linha = new QHBoxLayout(this);
    linha->addWidget(m_icone, 0, Qt::AlignTop);
    linha->addWidget(m_msg, 1);
}

void frmmsg::DefineTexto(const QString& texto) {
    m_msg->setText(texto);
    adjustSize();
}

QString frmmsg::Texto() const {
    return m_msg->text();
}

void frmmsg::mousePressEvent(QMouseEvent* evento) {
    evento->accept();
    close();
}
