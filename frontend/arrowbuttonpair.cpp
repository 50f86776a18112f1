#include "frontend/arrowbuttonpair.h"

#include "frontend/autorepeat.h"

#include <QHBoxLayout>
#include <QToolButton>

ArrowButtonPair::ArrowButtonPair(QWidget *parent)
    : QWidget(parent)
    , m_left(makeArrow(Qt::LeftArrow))
    , m_right(makeArrow(Qt::RightArrow))
{
    setFixedSize(46, 25);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_left);
    layout->addWidget(m_right);
    connect(m_left, &QToolButton::clicked, this, &ArrowButtonPair::leftClicked);
    connect(m_right, &QToolButton::clicked, this, &ArrowButtonPair::rightClicked);
}

QToolButton *ArrowButtonPair::makeArrow(Qt::ArrowType arrow)
{
    auto *button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFixedSize(23, 25);
    button->setFocusPolicy(Qt::NoFocus);
    AutoRepeat::apply(button);
    return button;
}
