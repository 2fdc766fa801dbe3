#include "browse/FilmIcon.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kestrel {

QString clipLengthText(double seconds) {
    const long long whole = std::llround(std::max(0.0, seconds));
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QImage paintFilmIcon(int maxSide, std::optional<double> seconds) {
    const int width = std::max(maxSide, 16);
    const int height = width * 3 / 4;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal unit = width / 16.0;
    painter.setBrush(QColor(0x26, 0x26, 0x26));
    painter.drawRoundedRect(QRectF(0, 0, width, height), unit / 2, unit / 2);
    // The sprocket holes along both edges, and the picture between them.
    painter.setBrush(QColor(0xd8, 0xd8, 0xd8));
    for (int hole = 0; hole < 8; ++hole) {
        const qreal x = unit * (0.5 + 2 * hole);
        for (const qreal y : {unit * 0.5, height - unit * 1.5})
            painter.drawRoundedRect(QRectF(x, y, unit, unit), unit / 4, unit / 4);
    }
    const QRectF picture(unit * 0.5, unit * 2, width - unit, height - unit * 4);
    painter.setBrush(QColor(0x44, 0x4c, 0x56));
    painter.drawRect(picture);
    // A play mark in the middle of the picture.
    const QPointF centre = picture.center();
    const qreal mark = picture.height() / 4;
    QPainterPath play;
    play.moveTo(centre + QPointF(-mark * 0.8, -mark));
    play.lineTo(centre + QPointF(mark, 0));
    play.lineTo(centre + QPointF(-mark * 0.8, mark));
    play.closeSubpath();
    painter.setBrush(QColor(0xf0, 0xf0, 0xf0, 0xc0));
    painter.drawPath(play);
    if (seconds) {
        QFont font;
        font.setPixelSize(std::max(8, static_cast<int>(picture.height() / 4)));
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(picture.adjusted(unit / 2, 0, -unit / 2, -unit / 4),
                         Qt::AlignRight | Qt::AlignBottom, clipLengthText(*seconds));
    }
    return image;
}

} // namespace kestrel
