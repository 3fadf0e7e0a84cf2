// The logo pictures: read once, kept for the process, tried again after a miss. Each
// scenario runs in a fresh process, since the caches last as long as the process.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "shell/LogoPictures.h"
#include "tests/calculator/CalculatorWindowTest.h"
#include "tests/calculator/FreshProcess.h"

namespace {

// A resources folder of the test's own, so files can come and go.
class LogoPicturesTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        Picture::SetResourcesFolder(folder.path().toStdString());
    }

    void Put(const char* name) {
        ASSERT_TRUE(QFile::copy(QDir(VQ_TEST_RESOURCES_DIR).filePath(name), folder.filePath(name)))
            << name;
    }
    void Remove(const char* name) { ASSERT_TRUE(QFile::remove(folder.filePath(name))) << name; }

    QTemporaryDir folder;
};

TEST_F(LogoPicturesTest, AFirstLoadIsKeptAndTheFileNotReadAgain) {
    InFreshProcess([this] {
        Put("Veltr400.png");
        auto first = Veltr400();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->Width(), 402);
        EXPECT_EQ(first->Height(), 69);

        Remove("Veltr400.png");
        EXPECT_EQ(Veltr400(), first);
        EXPECT_EQ(Veltr400(), first);
    });
}

TEST_F(LogoPicturesTest, AMissIsTriedAgainUntilTheFileCanBeRead) {
    InFreshProcess([this] {
        EXPECT_EQ(Veltr480(), nullptr);
        EXPECT_EQ(Veltr480(), nullptr);

        Put("Veltr480.png");
        auto loaded = Veltr480();
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->Width(), 500);
        EXPECT_EQ(loaded->Height(), 87);

        Remove("Veltr480.png");
        EXPECT_EQ(Veltr480(), loaded);
    });
}

TEST_F(LogoPicturesTest, ThePicturesHaveSeparateCaches) {
    InFreshProcess([this] {
        Put("Veltr480.png");
        Put("Veltr400.png");
        auto banner = Veltr480();
        ASSERT_NE(banner, nullptr);

        // Had the banner's load read the logo too, the logo would now be kept.
        Remove("Veltr400.png");
        EXPECT_EQ(Veltr400(), nullptr);

        Put("Veltr400.png");
        auto logo = Veltr400();
        ASSERT_NE(logo, nullptr);
        EXPECT_NE(logo, banner);
        EXPECT_EQ(Veltr480(), banner);
    });
}

// The window opened on a resources folder without "Veltr480.png".
class MissingBannerTest : public CalculatorWindowTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(empty.isValid());
        Picture::SetResourcesFolder(empty.path().toStdString());
        OpenWindow();
    }

    QTemporaryDir empty;
};

// The banner stays empty and the window works as ever.
TEST_F(MissingBannerTest, TheWindowStillOpensAndCalculates) {
    InFreshProcess([this] {
        EXPECT_EQ(window->Canvas1()->Backdrop(), nullptr);
        EXPECT_TRUE(Widget("Canvas1")->isVisible());

        TypeInputs("10", "82", ".0025");
        Press("calcBtn");
        EXPECT_EQ(Edit("hFld")->text(), "0.1923238");
        EXPECT_EQ(Edit("dfFld")->text(), "45");
        EXPECT_EQ(Edit("pFld")->text(), ".999999990");
        EXPECT_EQ(Veltr480(), nullptr);
    });
}

}  // namespace
