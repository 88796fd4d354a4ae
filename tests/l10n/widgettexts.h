#pragma once

// Walks a window's visible widgets and reports texts that are not translated (no pseudo-language
// markers) or do not fit their widget.
#include "ui/compactrow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTableWidget>
#include <QTranslator>
#include <QWidget>

// Every text wrapped in ⟦ ⟧ and 40% longer, as long translations are: the whole program is
// "translated" without a translator, and a text left out of tr() shows without the markers.
class PseudoTranslator final : public QTranslator
{
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(context);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        // Qt's own switch of writing direction is a key, not a text.
        if (!source || !*source || qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0)
            return {};
        const QString text = QString::fromUtf8(source);
        return QStringLiteral("⟦") + text + QString(qsizetype(text.size() * 2 / 5 + 1), u'~') +
               QStringLiteral("⟧");
    }
};

class WidgetTexts final
{
public:
    // Texts that come from servers and are shown as sent.
    QSet<QString> serverTexts;
    // Widgets that show data, not words (the pairing code).
    QSet<QString> exempt{QStringLiteral("codeLabel")};
    QStringList problems;

    void walk(QWidget* root)
    {
        check(root, QStringLiteral("window title"), root->windowTitle());
        const QList<QWidget*> widgets = root->findChildren<QWidget*>();
        for (QWidget* w : widgets) {
            if (w->isVisible() && !w->window()->isHidden())
                checkWidget(w);
        }
    }

private:
    void check(const QWidget* w, const QString& what, const QString& text)
    {
        const QString t = text.trimmed();
        static const QRegularExpression words(QStringLiteral("\\p{L}{2}"));
        static const QRegularExpression token(QStringLiteral("^[a-z0-9_.\\-]+$"));
        // Addresses are examples, not words.
        if (t.isEmpty() || !t.contains(words) || t.contains(token) || t.contains(u"://") ||
            serverTexts.contains(t) || exempt.contains(w->objectName()))
            return;
        if (!t.contains(u'⟦') || !t.contains(u'⟧'))
            add(w, what, QStringLiteral("not translated: \"%1\"").arg(t));
    }
    void add(const QWidget* w, const QString& what, const QString& problem)
    {
        const QString line = QStringLiteral("%1 %2 (%3): %4")
                                 .arg(QString::fromLatin1(w->metaObject()->className()),
                                      w->objectName(), what, problem);
        if (!problems.contains(line))
            problems.append(line);
    }
    void checkWidget(QWidget* w)
    {
        check(w, QStringLiteral("tooltip"), w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            check(w, QStringLiteral("text"), label->text());
            const bool plain =
                label->textFormat() == Qt::PlainText ||
                (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
            if (plain && !label->wordWrap() && !label->text().contains(u'\n') &&
                label->fontMetrics().horizontalAdvance(label->text()) >
                    label->contentsRect().width())
                add(w, QStringLiteral("text"),
                    QStringLiteral("cut off: \"%1\"").arg(label->text()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            check(w, QStringLiteral("text"), button->text());
            // A button of the player's rows drawn compact shows its icon and its whole text as
            // the tooltip: given way on purpose, not cut off.
            auto* push = qobject_cast<QPushButton*>(button);
            const bool compact = push && CompactRow::isCompact(push);
            if (!compact && !button->text().isEmpty() &&
                button->sizeHint().width() > button->width())
                add(w, QStringLiteral("text"),
                    QStringLiteral("cut off: \"%1\" (%2 of %3 px)")
                        .arg(button->text())
                        .arg(button->width())
                        .arg(button->sizeHint().width()));
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            check(w, QStringLiteral("placeholder"), edit->placeholderText());
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            check(w, QStringLiteral("title"), box->title());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                check(w, QStringLiteral("item %1").arg(i), combo->itemText(i));
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (!tabs->isTabVisible(i))
                    continue;
                check(w, QStringLiteral("tab %1").arg(i), tabs->tabText(i));
                const QRect rect = tabs->tabRect(i);
                if (!tabs->rect().contains(rect) ||
                    rect.width() < tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)))
                    add(w, QStringLiteral("tab %1").arg(i),
                        QStringLiteral("cut off: \"%1\"").arg(tabs->tabText(i)));
            }
        } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (table->horizontalHeaderItem(c) && !table->horizontalHeader()->isHidden())
                    check(w, QStringLiteral("header %1").arg(c),
                          table->horizontalHeaderItem(c)->text());
            }
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                check(w, QStringLiteral("item %1").arg(i), list->item(i)->text());
        }
    }
};
