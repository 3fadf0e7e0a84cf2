#include "framework/Picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <iostream>

#include "framework/RuntimeState.h"

namespace {

std::string& ResourcesFolderOverride() {
    static std::string folder;
    return folder;
}

}  // namespace

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) {}
Picture::~Picture() = default;

std::string Picture::ResourcesFolder() {
    if (!ResourcesFolderOverride().empty()) {
        return ResourcesFolderOverride();
    }
    // Relative to the program, not to the prefix it was built for: the tree may be moved.
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral(VQ_RESOURCES_FROM_BINDIR)))
        .toStdString();
}

void Picture::SetResourcesFolder(std::string folder) {
    ResourcesFolderOverride() = std::move(folder);
}

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view fileName) {
    const auto name = QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
    // Only a plain file name: the resources folder is the only place looked in.
    if (name.isEmpty() || name.contains(QLatin1Char('/'))) {
        return nullptr;
    }
    const auto folder = QString::fromStdString(ResourcesFolder());
    QImageReader reader(QDir(folder).filePath(name));
    QImage image = reader.read();
    if (image.isNull()) {
        // A program copied away from its data folder shows empty pictures; one line
        // says where they were looked for. A miss is tried again at every use, so
        // only the first is told.
        auto& runtime = Runtime();
        if (!runtime.reportedMissingPicture) {
            runtime.reportedMissingPicture = true;
            std::cerr << "Veltranoquisenary: no pictures in " << folder.toStdString() << " ("
                      << name.toStdString() << ": " << reader.errorString().toStdString() << ")"
                      << std::endl;
        }
        return nullptr;
    }
    return std::make_shared<Picture>(image);
}

int Picture::Width() const { return image_->width(); }
int Picture::Height() const { return image_->height(); }
