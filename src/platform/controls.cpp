#include "platform/controls.h"

#include "platform/help.h"

#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace vesk {

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QLabel* MakePanel(QWidget* parent, const QString& name)
{
    QLabel* l = MakeLabel(parent, name, QString());
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(64);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

void InstallHelpKey(QWidget* window, int context)
{
    InstallHelpKey(window, [context] { return context; });
}

void InstallHelpKey(QWidget* window, std::function<int()> context)
{
    auto* f1 = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(f1, &QShortcut::activated, window, [context = std::move(context)] { ShowHelp(context()); });
}

}  // namespace vesk
