#include "core/convexhull.h"
#include "coretest.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using Points = std::vector<PlanePoint>;

bool before(const PlanePoint& a, const PlanePoint& b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
}

Points sorted(Points points) {
    std::sort(points.begin(), points.end(), before);
    return points;
}

QString described(const Points& points) {
    QStringList texts;
    for (const PlanePoint& p : points)
        texts << QStringLiteral("(%1, %2)").arg(p.x).arg(p.y);
    return texts.join(QLatin1Char(' '));
}

Points shuffled(Points points, QRandomGenerator& random) {
    std::shuffle(points.begin(), points.end(), random);
    return points;
}

Points pointsOnACircle(int count) {
    Points points;
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * std::numbers::pi * i / count;
        points.push_back({0.3 + 0.2 * std::cos(angle), 0.4 + 0.2 * std::sin(angle)});
    }
    return points;
}

} // namespace

Q_DECLARE_METATYPE(Points)

class ConvexHullTest : public QObject {
    Q_OBJECT
private slots:
    void findsTheCorners_data() {
        QTest::addColumn<Points>("points");
        QTest::addColumn<Points>("corners");
        QRandomGenerator random(11);
        const Points square{{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        Points squareAndInside = square;
        for (int i = 0; i < 200; ++i)
            squareAndInside.push_back({random.generateDouble(), random.generateDouble()});
        QTest::newRow("a square around points inside")
            << shuffled(squareAndInside, random) << square;
        QTest::newRow("every point of a circle")
            << shuffled(pointsOnACircle(48), random) << pointsOnACircle(48);
        const Points triangle{{0, 0}, {4, 0}, {2, 3}};
        Points triangleAndEdges = triangle;
        for (int i = 1; i < 4; ++i)
            triangleAndEdges.insert(triangleAndEdges.end(),
                                    {{double(i), 0}, {i * 0.5, i * 0.75}, {4 - i * 0.5, i * 0.75}});
        QTest::newRow("points on the edges are left out")
            << shuffled(triangleAndEdges, random) << triangle;
        // Corners only above or only below the line between the ends.
        QTest::newRow("a corner above")
            << Points{{0, 0}, {1, 0.1}, {2, 0}, {1, 1}, {1, 0.5}} << Points{{0, 0}, {2, 0}, {1, 1}};
        QTest::newRow("a corner below") << Points{{0, 0}, {1, -0.1}, {2, 0}, {1, -1}, {1, -0.5}}
                                        << Points{{0, 0}, {2, 0}, {1, -1}};
        QTest::newRow("repeats of one point") << Points(5, {0.2, 0.3}) << Points{{0.2, 0.3}};
        QTest::newRow("points on a line")
            << Points{{0.5, 0.5}, {0, 0}, {0.25, 0.25}, {1, 1}, {0.5, 0.5}}
            << Points{{0, 0}, {1, 1}};
        QTest::newRow("no points") << Points{} << Points{};
    }
    void findsTheCorners() {
        QFETCH(Points, points);
        QFETCH(Points, corners);
        const Points hull = convexHull(points);
        const auto same = [](const PlanePoint& a, const PlanePoint& b) {
            return a.x == b.x && a.y == b.y;
        };
        const Points found = sorted(hull);
        const Points expected = sorted(corners);
        QVERIFY2(std::equal(found.begin(), found.end(), expected.begin(), expected.end(), same),
                 qPrintable(described(hull)));
        // Counter-clockwise: every three corners in a row turn left.
        for (std::size_t i = 0; hull.size() >= 3 && i < hull.size(); ++i) {
            const PlanePoint& a = hull[i];
            const PlanePoint& b = hull[(i + 1) % hull.size()];
            const PlanePoint& c = hull[(i + 2) % hull.size()];
            QVERIFY2((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x) > 0,
                     qPrintable(described(hull)));
        }
    }
};

CHROMAFLICK_CORE_TEST_MAIN(ConvexHullTest)
#include "tst_convexhull.moc"
