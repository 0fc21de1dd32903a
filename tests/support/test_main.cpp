#include <QApplication>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

#include "support/fixture.h"

namespace testing_support {
namespace {

QString currentRoot;

// Gives every test a fresh, empty data root and a fresh, empty program data folder (no installed
// examples or samples unless the test puts them there), removed when the test ends.
class FreshRoot : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override {
    dir_ = std::make_unique<QTemporaryDir>();
    programData_ = std::make_unique<QTemporaryDir>();
    currentRoot = dir_->path();
    qputenv("SCRIBARY_ROOT", currentRoot.toLocal8Bit());
    qputenv("SCRIBARY_PROGRAM_DATA", programData_->path().toLocal8Bit());
  }
  void OnTestEnd(const ::testing::TestInfo&) override {
    dir_.reset();
    programData_.reset();
    currentRoot.clear();
  }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<QTemporaryDir> programData_;
};

}  // namespace

QString testRoot() { return currentRoot; }

}  // namespace testing_support

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  QApplication app(argc, argv);
  ::testing::InitGoogleMock(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new testing_support::FreshRoot);
  return RUN_ALL_TESTS();
}
