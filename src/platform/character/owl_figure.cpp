#include "platform/character/owl_figure.h"

#include <QPainter>
#include <QPainterPath>

namespace platform {
namespace {

const QColor kFeathers(0x8a, 0x5a, 0x2e);
const QColor kFeatherEdge(0x5c, 0x3a, 0x1c);
const QColor kBelly(0xf3, 0xe2, 0xc4);
const QColor kFacialDisc(0xd9, 0xae, 0x78);
const QColor kBeak(0xf0, 0x9a, 0x1e);
const QColor kPupil(0x2b, 0x1d, 0x12);

// Wing angles rising and falling `times` times between `low` and `high`.
std::vector<double> flaps(double low, double high, int times) {
  std::vector<double> angles{low * 0.5, low};
  for (int i = 0; i < times; ++i) {
    angles.push_back(high);
    angles.push_back(low);
  }
  angles.push_back(low * 0.5);
  angles.push_back(0);
  return angles;
}

std::vector<OwlPose> greet() {
  std::vector<OwlPose> frames;
  const std::vector<double> wing = flaps(70, 120, 2);
  for (std::size_t i = 0; i < wing.size(); ++i) {
    OwlPose pose;
    pose.rightWing = wing[i];
    pose.tilt = i < 3 ? -4.0 * static_cast<double>(i) : -8.0 + static_cast<double>(i - 2);
    pose.beakOpen = i % 3 == 1;
    frames.push_back(pose);
  }
  frames.push_back(OwlPose{});
  return frames;
}

std::vector<OwlPose> wave() {
  std::vector<OwlPose> frames;
  for (double angle : flaps(80, 140, 3)) {
    OwlPose pose;
    pose.leftWing = angle;
    pose.lookX = 0.4;
    frames.push_back(pose);
  }
  return frames;
}

std::vector<OwlPose> blink() {
  std::vector<OwlPose> frames;
  for (double open : {0.6, 0.2, 0.0, 0.0, 0.4, 1.0}) {
    OwlPose pose;
    pose.eyesOpen = open;
    frames.push_back(pose);
  }
  return frames;
}

std::vector<OwlPose> confused() {
  std::vector<OwlPose> frames;
  for (int i = 0; i < 14; ++i) {
    OwlPose pose;
    const int lean = i < 4 ? i : (i < 11 ? 4 : 14 - i);
    pose.tilt = 3.0 * lean;
    pose.puzzled = i >= 3 && i < 12;
    pose.lookX = pose.puzzled ? ((i / 2) % 2 == 0 ? -0.8 : 0.8) : 0.0;
    frames.push_back(pose);
  }
  frames.push_back(OwlPose{});
  return frames;
}

std::vector<OwlPose> congratulate() {
  std::vector<OwlPose> frames;
  const double hops[] = {0, 5, 10, 12, 10, 5, 0, 5, 10, 12, 10, 5, 0};
  for (std::size_t i = 0; i < std::size(hops); ++i) {
    OwlPose pose;
    pose.hop = hops[i];
    pose.leftWing = pose.rightWing = std::min(135.0, 45.0 * static_cast<double>(i + 1));
    pose.eyesOpen = i > 2 && i < 10 ? 0.35 : 1.0;  // eyes narrowed with joy
    pose.beakOpen = i > 2 && i < 10;
    frames.push_back(pose);
  }
  OwlPose settling;
  settling.leftWing = settling.rightWing = 60;
  frames.push_back(settling);
  frames.push_back(OwlPose{});
  return frames;
}

std::vector<OwlPose> restPose() { return {OwlPose{}, OwlPose{}, OwlPose{}}; }

void paintWing(QPainter& painter, QPointF shoulder, double angle) {
  painter.save();
  painter.translate(shoulder);
  painter.rotate(angle);
  painter.setBrush(kFeathers.darker(115));
  painter.drawEllipse(QRectF(-10, -4, 20, 48));
  painter.restore();
}

void paintEye(QPainter& painter, QPointF centre, const OwlPose& pose) {
  painter.setBrush(kFacialDisc);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(centre, 19, 19);
  painter.setPen(QPen(kFeatherEdge, 1.5));
  if (pose.eyesOpen < 0.15) {
    QPainterPath closed;
    closed.moveTo(centre + QPointF(-11, 0));
    closed.quadTo(centre + QPointF(0, 7), centre + QPointF(11, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(closed);
    return;
  }
  const double height = 26 * pose.eyesOpen;
  painter.setBrush(Qt::white);
  painter.drawEllipse(centre, 13, height / 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kPupil);
  const double pupil = std::min(6.5, height / 2 - 1);
  painter.drawEllipse(centre + QPointF(5 * pose.lookX, 1), pupil, pupil);
  painter.setBrush(Qt::white);
  painter.drawEllipse(centre + QPointF(5 * pose.lookX - 2, -2), 1.8, 1.8);
}

void paintBeak(QPainter& painter, bool open) {
  painter.setPen(QPen(kBeak.darker(140), 1));
  painter.setBrush(kBeak);
  if (!open) {
    painter.drawPolygon(QPolygonF({{53, 68}, {67, 68}, {60, 84}}));
    return;
  }
  painter.drawPolygon(QPolygonF({{53, 66}, {67, 66}, {60, 77}}));
  painter.drawPolygon(QPolygonF({{55, 80}, {65, 80}, {60, 88}}));
}

void paintBrows(QPainter& painter, bool puzzled) {
  painter.setPen(QPen(kFeatherEdge, 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(30, 38), QPointF(52, 42));
  if (puzzled) {
    painter.drawLine(QPointF(68, 34), QPointF(90, 28));
    painter.setPen(QPen(QColor(0x30, 0x50, 0xa0), 3));
    QFont font = painter.font();
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(92, 0, 26, 28), Qt::AlignCenter, "?");
  } else {
    painter.drawLine(QPointF(68, 42), QPointF(90, 38));
  }
}

void paintBody(QPainter& painter) {
  painter.setPen(QPen(kFeatherEdge, 2));
  painter.setBrush(kFeathers);
  painter.drawPolygon(QPolygonF({{26, 42}, {28, 16}, {46, 34}}));  // ear tufts
  painter.drawPolygon(QPolygonF({{94, 42}, {92, 16}, {74, 34}}));
  painter.drawEllipse(QRectF(20, 24, 80, 104));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kBelly);
  painter.drawEllipse(QRectF(36, 72, 48, 52));
  painter.setPen(QPen(kFacialDisc.darker(120), 1.5));
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3 - row % 2; ++column) {
      const double x = 46 + column * 12 + (row % 2) * 6;
      const double y = 86 + row * 11;
      painter.drawLine(QPointF(x - 4, y), QPointF(x, y + 4));
      painter.drawLine(QPointF(x, y + 4), QPointF(x + 4, y));
    }
}

void paintFeet(QPainter& painter) {
  painter.setPen(QPen(kBeak.darker(140), 1));
  painter.setBrush(kBeak);
  painter.drawEllipse(QRectF(40, 124, 16, 9));
  painter.drawEllipse(QRectF(64, 124, 16, 9));
}

}  // namespace

std::vector<OwlPose> owlAnimation(const QString& name) {
  if (name == "Greet") return greet();
  if (name == "RestPose") return restPose();
  if (name == "Blink") return blink();
  if (name == "Confused") return confused();
  if (name == "Congratulate_2") return congratulate();
  if (name == "wave") return wave();
  return {};
}

QSize owlSize() { return {160, 160}; }

void paintOwl(QPainter& painter, const OwlPose& pose) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(20, 14 - pose.hop);
  painter.translate(60, 130);
  painter.rotate(-pose.tilt);
  painter.translate(-60, -130);
  paintWing(painter, {30, 70}, pose.leftWing);
  paintWing(painter, {90, 70}, -pose.rightWing);
  paintBody(painter);
  paintEye(painter, {43, 58}, pose);
  paintEye(painter, {77, 58}, pose);
  paintBrows(painter, pose.puzzled);
  paintBeak(painter, pose.beakOpen);
  paintFeet(painter);
  painter.restore();
}

}  // namespace platform
