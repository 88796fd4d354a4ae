// The window's layout in a real window against the demo server, at the smallest supported width
// and a large one: the TV Guide tab takes most of the width and gives it back, the splitter keeps
// what the user set (also in a new window), the controls row never moves it and keeps the volume
// slider usable, and the programme list folds while a movie plays.
#include "app/theme.h"
#include "demoguide.h"
#include "demoserverprocess.h"
#include "demosource.h"
#include "guide/guidegrid.h"
#include "guide/guidegridtab.h"
#include "mainwindowtestaccess.h"
#include "silentaudio.h"
#include "tempprofile.h"
#include "testmain.h"
#include "ui/playerpanel.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {
constexpr qint64 kArchiveChannel = 6; // keeps an archive and is in the XMLTV

// The user drags the splitter handle before widget `index` by `dx` pixels.
void dragHandle(QSplitter* splitter, int index, int dx)
{
    QSplitterHandle* handle = splitter->handle(index);
    const QPoint from = handle->rect().center();
    const QPoint to = from + QPoint(dx, 0);
    QMouseEvent press(QEvent::MouseButtonPress, from, handle->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, {});
    QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     {});
    QMouseEvent release(QEvent::MouseButtonRelease, to, handle->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, {});
    QApplication::sendEvent(handle, &press);
    QApplication::sendEvent(handle, &move);
    QApplication::sendEvent(handle, &release);
}

// Every widget the controls row shows lies inside it, buttons at least an icon wide, and the
// volume slider keeps 80 pixels.
QString controlsProblem(QWidget* row, QSlider* volume)
{
    if (volume->width() < 80)
        return QStringLiteral("volume slider %1 px").arg(volume->width());
    for (QWidget* child : row->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden())
            continue;
        if (child->x() < 0 || child->geometry().right() >= row->width())
            return QStringLiteral("%1 outside the row").arg(child->metaObject()->className());
        auto* button = qobject_cast<QPushButton*>(child);
        if (button && button->width() < button->iconSize().width())
            return QStringLiteral("%1 only %2 px").arg(button->text()).arg(button->width());
    }
    return {};
}

// The latest past programme carrying the archive mark (before anything plays from the archive,
// the only rows with an icon).
QTreeWidgetItem* archivedRow(QTreeWidget* list)
{
    for (int i = list->topLevelItemCount() - 1; i >= 0; --i) {
        if (!list->topLevelItem(i)->icon(1).isNull())
            return list->topLevelItem(i);
    }
    return nullptr;
}

void keepScreenshot(QWidget* window, const QString& name)
{
    // Layouts still asked for (a row that just fitted its buttons) are done first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QString dir = QStringLiteral(VELMORA_TEST_ARTIFACTS);
    QDir().mkpath(dir);
    window->grab().save(dir + QStringLiteral("/windowlayout-%1.png").arg(name));
}
} // namespace

class TestWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Theme::apply(*qApp); }

    void layout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1600x1000") << QSize(1600, 1000);
    }
    void layout()
    {
        QFETCH(QSize, size);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        DemoServerProcess demo({QStringLiteral("--scale"), QStringLiteral("100")});
        QVERIFY2(demo.start(), qPrintable(demo.errorText()));
        TempProfile profile;
        saveDemoSource(demo, true);
        QList<int> browseSet;
        int guideSet = 0;
        {
            MainWindow window;
            window.resize(size);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            MainWindowTestAccess access(window);
            QTRY_COMPARE_WITH_TIMEOUT(access.liveItems().size(), 10, 30000);
            QTabWidget* tabs = access.tabs();
            auto* splitter = qobject_cast<QSplitter*>(tabs->parentWidget());
            auto* gridTab = window.findChild<GuideGridTab*>(QStringLiteral("liveGuideTab"));
            auto* header = window.findChild<QToolButton*>(QStringLiteral("guidePanelHeader"));
            auto* list = window.findChild<QTreeWidget*>(QStringLiteral("guideProgrammes"));
            QWidget* row = access.controlsRow();
            const QList<MediaItem> channels = access.liveItems();
            int archived = 0;
            for (int i = 0; i < channels.size(); ++i)
                archived =
                    channels[i].guideId == DemoGuide::guideId(kArchiveChannel) ? i : archived;
            emit access.liveCategoryList()->itemClicked(access.liveCategoryList()->item(0));
            access.liveTable()->setCurrentCell(archived, 0);
            header->click();
            QTRY_VERIFY(list->isVisible());
            const QList<int> browse = splitter->sizes();
            const int catalog = tabs->width();

            // Two channels (Previous channel shows), then a programme from the archive (its
            // buttons show): the catalog keeps its width, the row its volume slider.
            access.playMediaItem(channels[(archived + 1) % channels.size()]);
            access.playMediaItem(channels[archived]);
            QTRY_VERIFY_WITH_TIMEOUT(archivedRow(list), 30000);
            list->setCurrentItem(archivedRow(list));
            QTest::keyClick(list, Qt::Key_Return);
            auto* next = window.findChild<QPushButton*>(QStringLiteral("catchupNext"));
            QTRY_VERIFY_WITH_TIMEOUT(next->isVisible(), 30000);
            QTRY_VERIFY(access.seekRow()->isVisible());
            QVERIFY(window.findChild<QPushButton*>(QStringLiteral("catchupPrevious"))->isVisible());
            QTRY_COMPARE(controlsProblem(row, access.volumeSlider()), QString());
            QTRY_COMPARE(controlsProblem(access.seekRow(), access.volumeSlider()), QString());
            QCOMPARE(tabs->width(), catalog); // a moved splitter never moves back by itself
            QVERIFY(list->isVisible());       // a programme of the guide plays
            keepScreenshot(&window, tag + QStringLiteral("-browse"));

            // The TV Guide: the grid over two thirds of the window, the video a preview, the
            // controls still in place.
            tabs->setCurrentWidget(gridTab);
            QTRY_VERIFY2(tabs->width() * 3 >= window.width() * 2,
                         qPrintable(QString::number(tabs->width())));
            QVERIFY(!list->isVisible() && !header->isVisible());
            QVERIFY(access.videoWidget()->width() >= PlayerPanel::kMinimumVideoSize.width());
            gridTab->grid()->setFocus();
            QTest::keyClick(gridTab->grid(), Qt::Key_Home);
            QTRY_VERIFY(!gridTab->grid()->selection().programme.title.isEmpty());
            QTRY_COMPARE(controlsProblem(row, access.volumeSlider()), QString());
            QTRY_COMPARE(controlsProblem(access.seekRow(), access.volumeSlider()), QString());
            keepScreenshot(&window, tag + QStringLiteral("-guide"));
            dragHandle(splitter, 1, -40);
            guideSet = tabs->width();
            QVERIFY(guideSet < splitter->width() - 300);

            // Back: the layout as it was; there again: as the user set it.
            tabs->setCurrentIndex(access.liveTabIndex());
            QCOMPARE(splitter->sizes(), browse);
            QVERIFY(header->isVisible());
            tabs->setCurrentWidget(gridTab);
            QCOMPARE(tabs->width(), guideSet);
            tabs->setCurrentIndex(access.liveTabIndex());

            // A movie folds the list; a channel opens it again. The catalog never moves.
            QTRY_VERIFY(!access.movieItems().isEmpty());
            access.playMediaItem(access.movieItems().first());
            QTRY_VERIFY(!list->isVisible());
            QVERIFY(!header->isChecked());
            QCOMPARE(tabs->width(), catalog);
            access.playMediaItem(channels[archived]);
            QTRY_VERIFY(list->isVisible());
            QCOMPARE(tabs->width(), catalog);

            dragHandle(splitter, 1, 30);
            browseSet = splitter->sizes();
            QCOMPARE(browseSet[0], catalog + 30);
        }

        // A new window on the same profile: both layouts as the user left them.
        MainWindow again;
        again.resize(size);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        MainWindowTestAccess access(again);
        QTabWidget* tabs = access.tabs();
        QTRY_COMPARE(tabs->width(), browseSet[0]);
        tabs->setCurrentWidget(again.findChild<GuideGridTab*>(QStringLiteral("liveGuideTab")));
        QCOMPARE(tabs->width(), guideSet);
    }
};

VELMORA_TEST_MAIN_AFTER(TestWindowLayout, useSilentAudioOutput())
#include "tst_windowlayout.moc"
