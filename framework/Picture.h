#pragma once

#include <memory>
#include <string>
#include <string_view>

class QImage;

// A picture loaded from the application's resources folder.
class Picture {
  public:
    explicit Picture(const QImage& image);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The picture in the file of that name in the resources folder, or none when
    // the file is missing or unreadable.
    static std::shared_ptr<Picture> OpenFromApp(std::string_view fileName);

    // The resources folder is the program's data folder, at a fixed path from the
    // executable's folder (../share/veltranoquisenary in the usual layout); tests
    // point it elsewhere.
    static std::string ResourcesFolder();
    static void SetResourcesFolder(std::string folder);

    int Width() const;
    int Height() const;
    const QImage& Image() const { return *image_; }

  private:
    std::unique_ptr<QImage> image_;
};
