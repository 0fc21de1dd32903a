#include "platform/character/qt_speaking_character.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include "platform/character/character_place.h"
#include "platform/character/espeak_speech.h"

namespace platform {

namespace {
constexpr int kReadingFramesPerWord = 5;
constexpr int kLeastReadingFrames = 12;
constexpr int kBalloonStayFrames = 25;

int readingFrames(const QString& text) {
  const auto words = static_cast<int>(text.simplified().split(' ', Qt::SkipEmptyParts).size());
  return std::max(kLeastReadingFrames, words * kReadingFramesPerWord);
}
}  // namespace

QtSpeakingCharacter::QtSpeakingCharacter(std::shared_ptr<Speech> speech, int frameMs)
    : speech_(std::move(speech)),
      window_(std::make_unique<CharacterWindow>()),
      balloon_(std::make_unique<BalloonWindow>()) {
  frameTimer_.setInterval(frameMs);
  connect(&frameTimer_, &QTimer::timeout, this, &QtSpeakingCharacter::onFrame);
  startSoon_.setSingleShot(true);
  startSoon_.setInterval(0);
  connect(&startSoon_, &QTimer::timeout, this, &QtSpeakingCharacter::onFrame);
  // The window settles its controls' places before the owl steps clear of them.
  standClearSoon_.setSingleShot(true);
  standClearSoon_.setInterval(0);
  connect(&standClearSoon_, &QTimer::timeout, this, &QtSpeakingCharacter::standClear);
  connect(window_.get(), &CharacterWindow::draggedTo, this, &QtSpeakingCharacter::onDragged);
  connect(speech_.get(), &Speech::wordReached, this, &QtSpeakingCharacter::onWordReached);
  connect(speech_.get(), &Speech::finished, this, &QtSpeakingCharacter::onSpeechFinished);
  connect(speech_.get(), &Speech::becameUnavailable, this,
          &QtSpeakingCharacter::speechUnavailable);
}

QtSpeakingCharacter::~QtSpeakingCharacter() {
  if (speaking()) speech_->stop();
}

bool QtSpeakingCharacter::load(const QString& characterId) { return characterId == kOwl; }

void QtSpeakingCharacter::Show() {
  std::erase_if(queue_, [](const Request& request) { return request.kind == Request::Kind::Hide; });
  shown_ = true;
  if (!mainWindowMinimised()) window_->show();
}

void QtSpeakingCharacter::Hide() {
  if (!current_ && queue_.empty())
    hideNow();
  else
    queue(Request::Kind::Hide, {});
}

void QtSpeakingCharacter::MoveTo(int x, int y) {
  wanted_ = QPoint(x, y);
  placedByStudent_ = false;
  standClear();
}

void QtSpeakingCharacter::serve(QWidget& window, const QRect& screenArea) {
  served_ = &window;
  screenArea_ = screenArea;
  // Any window of the program may come, go, move or change under the owl.
  QCoreApplication::instance()->installEventFilter(this);
  standClearSoon_.start();
}

bool QtSpeakingCharacter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
    case QEvent::LayoutRequest:
      if (!watched->isWidgetType() || isOwn(*static_cast<QWidget*>(watched))) break;
      if (served_ && watched == served_->window()) followMainWindow();
      if (!placedByStudent_) standClearSoon_.start();
      break;
    default:
      break;
  }
  return SpeakingCharacter::eventFilter(watched, event);
}

bool QtSpeakingCharacter::mainWindowMinimised() const {
  return served_ && served_->window()->isMinimized();
}

// The owl leaves with the program's main window and comes back with it, as it was.
void QtSpeakingCharacter::followMainWindow() {
  if (mainWindowMinimised()) {
    balloon_->hide();
    window_->hide();
  } else if (shown_ && !window_->isVisible()) {
    window_->show();
    if (speaking() && balloonStyle_ != kNoBalloon) {
      placeBalloon();
      balloon_->show();
    }
  }
}

bool QtSpeakingCharacter::isOwn(const QWidget& widget) const {
  const QWidget* window = widget.window();
  return window == window_.get() || window == balloon_.get();
}

void QtSpeakingCharacter::standClear() {
  window_->move(served_ ? clearPlace(wanted_, window_->size(), programControlRects(), screenArea())
                        : wanted_);
  if (balloon_->isVisible()) placeBalloon();
}

// The student may put the owl anywhere on the screen, but not off it.
void QtSpeakingCharacter::onDragged(QPoint place) {
  placedByStudent_ = true;
  const QRect area = screenArea(QRect(place, window_->size()).center());
  window_->move(clearPlace(place, window_->size(), {}, area));
  if (balloon_->isVisible()) placeBalloon();
}

void QtSpeakingCharacter::placeBalloon() {
  balloon_->placeBeside(window_->frameGeometry(), screenArea(),
                        served_ ? programControlRects() : QList<QRect>());
}

// The area the window gave; without one, the room on the screen at `point`, by default the
// one the owl stands on.
QRect QtSpeakingCharacter::screenArea(std::optional<QPoint> point) const {
  if (screenArea_.isValid()) return screenArea_;
  const QScreen* screen =
      QGuiApplication::screenAt(point.value_or(window_->frameGeometry().center()));
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : window_->frameGeometry();
}

int QtSpeakingCharacter::Play(const QString& animation) {
  return queue(Request::Kind::Play, animation);
}

int QtSpeakingCharacter::Speak(const QString& text) { return queue(Request::Kind::Speak, text); }

int QtSpeakingCharacter::queue(Request::Kind kind, const QString& argument) {
  const int number = kind == Request::Kind::Hide ? 0 : ++lastRequest_;
  queue_.push_back({kind, argument, number});
  if (!frameTimer_.isActive()) {
    frameTimer_.start();
    startSoon_.start();  // an idle character starts at once, not a frame later
  }
  return number;
}

void QtSpeakingCharacter::Stop() {
  if (speaking()) speech_->stop();
  std::vector<int> ended;
  if (current_) ended.push_back(current_->number);
  bool hide = false;
  for (const Request& request : queue_) {
    if (request.kind == Request::Kind::Hide)
      hide = true;
    else
      ended.push_back(request.number);
  }
  queue_.clear();
  current_.reset();
  frames_.clear();
  frameTimer_.stop();
  startSoon_.stop();
  balloon_->hide();
  window_->setPose(OwlPose{});
  if (hide) hideNow();
  for (int number : ended) emit requestCompleted(number);
}

void QtSpeakingCharacter::SetBalloonStyle(int style) {
  balloonStyle_ = style;
  if (style == kNoBalloon) balloon_->hide();
}

void QtSpeakingCharacter::onFrame() {
  if (!current_ && !queue_.empty()) startNext();
  if (current_ && current_->kind == Request::Kind::Play) advanceAnimation();
  if (speaking()) advanceSpeaking();
  if (!speaking() && balloon_->isVisible() && --balloonFramesLeft_ <= 0) balloon_->hide();
  if (!current_ && queue_.empty() && !balloon_->isVisible()) {
    frameTimer_.stop();
    startSoon_.stop();
  }
}

void QtSpeakingCharacter::startNext() {
  current_ = queue_.front();
  queue_.pop_front();
  switch (current_->kind) {
    case Request::Kind::Hide:
      current_.reset();
      hideNow();
      break;
    case Request::Kind::Play:
      frames_ = owlAnimation(current_->argument);
      nextFrame_ = 0;
      break;
    case Request::Kind::Speak:
      // Nothing to say: no balloon, no voice.
      if (current_->argument.trimmed().isEmpty()) {
        complete();
        break;
      }
      spokenFrames_ = 0;
      showBalloon(-1, 0);
      if (speech_->available())
        utterance_ = speech_->say(current_->argument);
      else
        silentFramesLeft_ = readingFrames(current_->argument);
      break;
  }
}

void QtSpeakingCharacter::advanceAnimation() {
  if (nextFrame_ >= frames_.size()) {
    complete();
    return;
  }
  window_->setPose(frames_[nextFrame_++]);
}

// The beak moves while the words come; without a voice, the reading time runs down instead.
void QtSpeakingCharacter::advanceSpeaking() {
  OwlPose pose;
  pose.beakOpen = (++spokenFrames_ / 2) % 2 == 1;
  window_->setPose(pose);
  if (utterance_ == 0 && --silentFramesLeft_ <= 0) complete();
}

void QtSpeakingCharacter::complete() {
  const int number = current_->number;
  if (current_->kind == Request::Kind::Speak) balloonFramesLeft_ = kBalloonStayFrames;
  current_.reset();
  frames_.clear();
  utterance_ = 0;
  window_->setPose(OwlPose{});
  emit requestCompleted(number);
}

void QtSpeakingCharacter::onWordReached(int utterance, int position, int length) {
  if (speaking() && utterance == utterance_) showBalloon(position, length);
}

void QtSpeakingCharacter::onSpeechFinished(int utterance) {
  if (speaking() && utterance == utterance_) complete();
}

void QtSpeakingCharacter::showBalloon(int wordStart, int wordLength) {
  if (balloonStyle_ == kNoBalloon || !window_->isVisible()) {
    balloon_->hide();
    return;
  }
  balloon_->setText(current_->argument, wordStart, wordLength);
  placeBalloon();
  balloon_->show();
}

void QtSpeakingCharacter::hideNow() {
  shown_ = false;
  balloon_->hide();
  window_->hide();
}

std::unique_ptr<SpeakingCharacter> QtCharacterFactory::create() {
  if (!speech_)
    speech_ = std::make_shared<EspeakSpeech>(EspeakSpeech::Output::Device, speechModulePath());
  return std::make_unique<QtSpeakingCharacter>(speech_);
}

}  // namespace platform
