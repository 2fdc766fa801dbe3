#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace kestrel {

// A clip's length as its thumbnail shows it: "m:ss", minutes not bounded ("75:03").
QString clipLengthText(double seconds);

// A frame of film, maxSide wide, with the clip's length in its corner when known: what a
// clip's thumbnail shows, since reading its media to draw a frame would cost too much.
QImage paintFilmIcon(int maxSide, std::optional<double> seconds);

} // namespace kestrel
