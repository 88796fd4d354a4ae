#pragma once

#include <QWidget>

// "Loading..." dimming the widget it covers while a catalog is fetched step by step; the steps of
// overlapping fetches add up, and the overlay goes once all of them are done.
class LoadingOverlay final : public QWidget
{
    Q_OBJECT

public:
    explicit LoadingOverlay(QWidget* covered);

    void beginSteps(int steps);
    void stepDone();

    int pendingFetchSteps = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
