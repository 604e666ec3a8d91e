#include "core/resolvemessage.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QtEndian>
#include <cmath>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ResolveMessage)
};

// A number attribute, or none with the problem set.
std::optional<double> number(const QXmlStreamAttributes& attributes, const QString& element,
                             const QString& name, QString& problem) {
    if (!attributes.hasAttribute(name)) {
        problem = Texts::tr("<%1> has no %2").arg(element, name);
        return std::nullopt;
    }
    bool ok = false;
    const double value = attributes.value(name).toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        problem = Texts::tr("<%1> %2=\"%3\" is no number")
                      .arg(element, name, attributes.value(name).left(20));
        return std::nullopt;
    }
    return value;
}

std::optional<PatchLevels> levels(const QXmlStreamAttributes& attributes, const QString& element,
                                  QString& problem) {
    PatchLevels read;
    if (attributes.hasAttribute(QStringLiteral("bits"))) {
        const QStringView bits = attributes.value(QStringLiteral("bits"));
        if (bits != u"8" && bits != u"10") {
            problem = Texts::tr("<%1> bits=\"%2\" is neither 8 nor 10").arg(element, bits.left(20));
            return std::nullopt;
        }
        read.bits = bits == u"8" ? 8 : 10;
    }
    const int top = (1 << read.bits) - 1;
    for (const auto& [name, target] : {std::pair{QStringLiteral("red"), &read.red},
                                       std::pair{QStringLiteral("green"), &read.green},
                                       std::pair{QStringLiteral("blue"), &read.blue}}) {
        const std::optional<double> value = number(attributes, element, name, problem);
        if (!value)
            return std::nullopt;
        if (*value < 0 || *value > top || *value != std::floor(*value)) {
            problem = Texts::tr("<%1> %2=\"%3\" is no whole level from 0 to %4")
                          .arg(element, name, attributes.value(name).left(20))
                          .arg(top);
            return std::nullopt;
        }
        *target = int(*value);
    }
    return read;
}

std::optional<PatchGeometry> geometry(const QXmlStreamAttributes& attributes, QString& problem) {
    PatchGeometry read;
    for (const auto& [name, target] :
         {std::pair{QStringLiteral("x"), &read.x}, std::pair{QStringLiteral("y"), &read.y},
          std::pair{QStringLiteral("cx"), &read.width},
          std::pair{QStringLiteral("cy"), &read.height}}) {
        const std::optional<double> value =
            number(attributes, QStringLiteral("geometry"), name, problem);
        if (!value)
            return std::nullopt;
        // A screen has no pixel this far out; a wider value is a broken sender.
        if (*value < 0 || *value > 65535) {
            problem = Texts::tr("<geometry> %1=\"%2\" is out of range")
                          .arg(name, attributes.value(name).left(20));
            return std::nullopt;
        }
        *target = *value;
    }
    return read;
}

} // namespace

ResolveReading readResolveMessage(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    ResolveReading reading;
    QString& problem = reading.problem;
    std::optional<PatchLevels> color;
    std::optional<PatchLevels> background;
    std::optional<PatchGeometry> place;
    bool inCalibration = false;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = reader.name().toString();
        if (!inCalibration) {
            if (name != u"calibration") {
                problem = Texts::tr("the message is <%1>, not <calibration>").arg(name.left(40));
                return reading;
            }
            inCalibration = true;
            continue;
        }
        const QXmlStreamAttributes attributes = reader.attributes();
        if (name == u"color") {
            if (color) {
                problem = Texts::tr("the message has more than one <color>");
                return reading;
            }
            if (!(color = levels(attributes, name, problem)))
                return reading;
        } else if (name == u"background") {
            if (!(background = levels(attributes, name, problem)))
                return reading;
        } else if (name == u"geometry") {
            if (!(place = geometry(attributes, problem)))
                return reading;
        }
    }
    if (reader.hasError()) {
        problem = Texts::tr("the message is no well-formed XML: %1").arg(reader.errorString());
        return reading;
    }
    if (!color) {
        problem = Texts::tr("the message has no <color>");
        return reading;
    }
    reading.patch = Patch{*color, background, place};
    return reading;
}

std::optional<QByteArray> ResolveFramer::next(QString& problem) {
    if (buffer_.size() < 4)
        return std::nullopt;
    const auto length = qFromBigEndian<quint32>(buffer_.constData());
    if (length > LargestResolveMessage) {
        problem = Texts::tr("a message of %1 bytes announced, more than the %2 a patch may take")
                      .arg(length)
                      .arg(LargestResolveMessage);
        buffer_.clear();
        return std::nullopt;
    }
    if (std::uint64_t(buffer_.size()) < 4 + std::uint64_t(length))
        return std::nullopt;
    QByteArray message = buffer_.mid(4, qsizetype(length));
    buffer_.remove(0, 4 + qsizetype(length));
    return message;
}
