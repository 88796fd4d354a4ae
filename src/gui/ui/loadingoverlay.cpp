#include "ui/loadingoverlay.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

LoadingOverlay::LoadingOverlay(QWidget* covered)
    : QWidget(covered)
{
    setObjectName(QStringLiteral("loadingOverlay"));
    setAutoFillBackground(true);
    QPalette overlayPalette = palette();
    overlayPalette.setColor(QPalette::Window, QColor(0, 0, 0, 150));
    setPalette(overlayPalette);
    auto* overlayLayout = new QVBoxLayout(this);
    auto* loadingLabel = new QLabel(tr("Loading..."), this);
    loadingLabel->setAlignment(Qt::AlignCenter);
    loadingLabel->setStyleSheet(QStringLiteral("color: white; font-size: 14pt;"));
    overlayLayout->addWidget(loadingLabel);
    setGeometry(covered->rect());
    hide();
    covered->installEventFilter(this);
}

bool LoadingOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == parentWidget())
        setGeometry(parentWidget()->rect());
    return false;
}

void LoadingOverlay::beginSteps(int steps)
{
    pendingFetchSteps += steps;
    if (pendingFetchSteps > 0) {
        setGeometry(parentWidget()->rect());
        raise();
        show();
    }
}

void LoadingOverlay::stepDone()
{
    --pendingFetchSteps;
    if (pendingFetchSteps <= 0) {
        pendingFetchSteps = 0;
        hide();
    }
}
