#include "framework/Picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <string>

#include "tests/support/GuiTest.h"

namespace {

class PictureTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        Picture::SetResourcesFolder(folder_.path().toStdString());
    }
    void WritePicture(const QString& name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(folder_.filePath(name)));
    }
    QTemporaryDir folder_;
};

TEST_F(PictureTest, OpensAPictureFromTheResourcesFolder) {
    WritePicture("logo.png", 40, 12);
    auto picture = Picture::OpenFromApp("logo.png");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 40);
    EXPECT_EQ(picture->Height(), 12);
}

TEST_F(PictureTest, AMissingOrUnreadableFileGivesNone) {
    EXPECT_EQ(Picture::OpenFromApp("absent.png"), nullptr);
    QFile junk(folder_.filePath("junk.png"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_EQ(Picture::OpenFromApp("junk.png"), nullptr);
}

// Misses are tried again at every use, yet reported once, with the folder looked in.
TEST_F(PictureTest, OnlyTheFirstMissIsReportedNamingTheFolder) {
    WritePicture("logo.png", 4, 4);
    testing::internal::CaptureStderr();
    Picture::OpenFromApp("logo.png");
    Picture::OpenFromApp("absent.png");
    Picture::OpenFromApp("absent.png");
    Picture::OpenFromApp("other.png");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(" no pictures in " + folder_.path().toStdString()), std::string::npos)
        << said;
}

TEST_F(PictureTest, ALaterCallFindsAFileThatAppeared) {
    EXPECT_EQ(Picture::OpenFromApp("late.png"), nullptr);
    WritePicture("late.png", 3, 3);
    EXPECT_NE(Picture::OpenFromApp("late.png"), nullptr);
}

TEST_F(PictureTest, LooksNowhereButTheResourcesFolder) {
    WritePicture("logo.png", 4, 4);
    const auto outside = "../" + folder_.path().section('/', -1) + "/logo.png";
    EXPECT_EQ(Picture::OpenFromApp(outside.toStdString()), nullptr);
}

// In the build's layout, as in an install, the program's folder (bin/) and
// share/veltranoquisenary/ sit side by side.
TEST_F(PictureTest, TheDefaultFolderIsFoundFromTheProgramsOwnLocation) {
    Picture::SetResourcesFolder({});
    QDir prefix(QCoreApplication::applicationDirPath());
    ASSERT_TRUE(prefix.cdUp());
    EXPECT_EQ(Picture::ResourcesFolder(),
              prefix.filePath(QStringLiteral("share/veltranoquisenary")).toStdString());
}

}  // namespace
