#include "frmmsg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>

frmmsg::frmmsg(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("frmmsg"));
    setWindowTitle(QStringLiteral("Natalis"));
    icone = new QLabel(this);
    icone->setObjectName(QStringLiteral("icone"));
    icone->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    msg = new QLabel(this);
    msg->setObjectName(QStringLiteral("msg"));
    msg->setWordWrap(true);
    msg->setMinimumWidth(320);
    // Clicks on the icon or the text reach the window, which closes.
    icone->setAttribute(Qt::WA_TransparentForMouseEvents);
    msg->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* linha = new QHBoxLayout(this);
    linha->addWidget(icone, 0, Qt::AlignTop);
    linha->addWidget(msg, 1);
}

void frmmsg::DefineTexto(const QString& texto) {
    msg->setText(texto);
    adjustSize();
}

QString frmmsg::Texto() const {
    return msg->text();
}

void frmmsg::mousePressEvent(QMouseEvent* evento) {
    evento->accept();
    close();
}
