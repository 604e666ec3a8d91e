#include "core/storedlist.h"
#include "testsupport.h"
#include "ui/colorlistview.h"

#include <QApplication>
#include <QColor>
#include <QProxyStyle>
#include <QStyleOptionViewItem>
#include <QtTest>

namespace {

QVariant swatch(const ColorListView& list, int row) {
    return list.model()->data(list.model()->index(row, 0), Qt::DecorationRole);
}

QString shown(const ColorListView& list, int row) {
    return list.model()->data(list.model()->index(row, 0), Qt::DisplayRole).toString();
}

const QString ellipsis = QStringLiteral("…");

// Keeps the icon of every item the list draws. Qt caches the pixmaps it draws an icon with under
// the icon's own key, so a new icon at every paint means new cache entries at every paint.
class IconWatch final : public QProxyStyle {
public:
    QList<qint64> drawnIcons;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
            element == CE_ItemViewItem && item)
            const_cast<IconWatch*>(this)->drawnIcons << item->icon.cacheKey();
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

class ColorListViewTest : public QObject {
    Q_OBJECT

    ColorListView list;

private slots:
    void init() { list.clear(); }

    void longEntriesAreShownCut_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        const QString longest = QStringLiteral("RGB(1, 2, 3)") + QString(244, QLatin1Char(' '));
        QTest::newRow("256 characters whole") << longest << longest;
        QTest::newRow("257 characters cut") << longest + QLatin1Char('x') << longest + ellipsis;
        const QString digits(3'000'000, QLatin1Char('7'));
        QTest::newRow("3 MB of digits")
            << QStringLiteral("RGB(") + digits + QStringLiteral(", 1, 2)")
            << QStringLiteral("RGB(") + digits.left(252) + ellipsis;
        // A pair split at the cut would show as a box.
        const QString face = QStringLiteral("\U0001F600");
        QTest::newRow("no half of a surrogate pair")
            << QString(255, QLatin1Char('a')) + face + QLatin1Char('b')
            << QString(255, QLatin1Char('a')) + ellipsis;
    }
    void longEntriesAreShownCut() {
        QFETCH(QString, entry);
        QFETCH(QString, text);
        list.append({QStringLiteral("RGB(0, 0, 0)"), entry});
        QCOMPARE(shown(list, 1), text);
        QCOMPARE(list.model()->data(list.model()->index(1, 0), Qt::EditRole).toString(), entry);
        QCOMPARE(list.entries(), (QStringList{QStringLiteral("RGB(0, 0, 0)"), entry}));
    }

    void aHugeEntryHasNoSwatchAndPaints() {
        const QString huge = QStringLiteral("RGB(") + QString(5'000'000, QLatin1Char('7')) +
                             QStringLiteral(", 1, 2)");
        list.append({QStringLiteral("RGB(10, 20, 30)"), huge, QStringLiteral("RGB(1, 2, 3)")});
        QCOMPARE(swatch(list, 1), QVariant());
        QCOMPARE(swatch(list, 0), QVariant(QColor(10, 20, 30)));
        QCOMPARE(swatch(list, 2), QVariant(QColor(1, 2, 3)));
        list.resize(300, 200);
        QVERIFY(!list.grab().isNull());
        QCOMPARE(list.entries()[1], huge);
    }

    // A swatch is drawn from the same icon at every paint, so repaints find Qt's cached pixmaps
    // instead of adding new ones.
    void everyPaintDrawsTheSameIcons_data() {
        QTest::addColumn<int>("selectedRow");
        QTest::newRow("nothing selected") << -1;
        QTest::newRow("a row selected") << 2;
    }
    void everyPaintDrawsTheSameIcons() {
        QFETCH(int, selectedRow);
        IconWatch watch;
        ColorListView view;
        view.setStyle(&watch);
        view.append(DefaultColorList());
        view.append({QStringLiteral("RGB(255, 0, 0)")});
        if (selectedRow >= 0)
            view.selectRow(selectedRow);
        view.resize(300, 200);
        view.grab();
        const QList<qint64> first = watch.drawnIcons;
        QCOMPARE(first.size(), view.count());
        // The same color, the same icon.
        QCOMPARE(first.last(), first.first());
        for (int paint = 0; paint < 5; ++paint) {
            watch.drawnIcons.clear();
            view.grab();
            QCOMPARE(watch.drawnIcons, first);
        }
    }

    void swatchesShowTheirColor() {
        list.append(DefaultColorList());
        list.resize(300, 200);
        const QImage image = list.grab().toImage();
        for (int row = 0; row < list.count(); ++row) {
            const QRect rect = list.visualRect(list.model()->index(row, 0));
            const QColor color = swatch(list, row).value<QColor>();
            int found = 0;
            for (int x = rect.left(); x <= rect.right(); ++x)
                found += image.pixelColor(x, rect.center().y()) == color ? 1 : 0;
            QVERIFY2(found >= 8, qPrintable(color.name()));
        }
    }

    // The swatches are worked out once per entry; they have to follow their entries as the
    // list changes.
    void swatchesFollowTheirEntries_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QList<QColor>>("swatches");
        QTest::newRow("appended") << "append"
                                  << QList<QColor>{QColor(1, 0, 0), QColor(2, 0, 0),
                                                   QColor(3, 0, 0), QColor(4, 0, 0)};
        QTest::newRow("first removed")
            << "remove first" << QList<QColor>{QColor(2, 0, 0), QColor(3, 0, 0)};
        QTest::newRow("middle removed")
            << "remove middle" << QList<QColor>{QColor(1, 0, 0), QColor(3, 0, 0)};
        QTest::newRow("cleared and filled again")
            << "clear" << QList<QColor>{QColor(7, 0, 0), QColor(8, 0, 0)};
    }
    void swatchesFollowTheirEntries() {
        QFETCH(QString, change);
        QFETCH(QList<QColor>, swatches);
        list.append({QStringLiteral("RGB(1, 0, 0)"), QStringLiteral("RGB(2, 0, 0)"),
                     QStringLiteral("RGB(3, 0, 0)")});
        for (int row = 0; row < list.count(); ++row)
            QVERIFY(swatch(list, row).isValid());
        if (change == "append")
            list.append({QStringLiteral("RGB(4, 0, 0)")});
        else if (change == "remove first")
            list.removeAt(0);
        else if (change == "remove middle")
            list.removeAt(1);
        else if (change == "clear") {
            list.clear();
            list.append({QStringLiteral("RGB(7, 0, 0)"), QStringLiteral("RGB(8, 0, 0)")});
        }
        QCOMPARE(list.count(), swatches.size());
        for (int row = 0; row < list.count(); ++row)
            QCOMPARE(swatch(list, row), QVariant(swatches[row]));
    }
};

CHROMAFLICK_TEST_MAIN(ColorListViewTest)
#include "tst_colorlistview.moc"
