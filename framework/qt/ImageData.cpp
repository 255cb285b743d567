#include "framework/qt/ImageData.h"

QImage ImageOf(const TIconImage& picture)
{
    if (picture.Width <= 0 || picture.Height <= 0 || picture.Pixels.size() < size_t(picture.Width) * size_t(picture.Height))
        return {};
    const QImage view(reinterpret_cast<const uchar*>(picture.Pixels.data()), picture.Width, picture.Height,
                      picture.Width * 4, QImage::Format_ARGB32);
    return view.copy();
}

bool SavePng(const TIconImage& picture, const std::string& path)
{
    const QImage image = ImageOf(picture);
    return !image.isNull() && image.save(QString::fromStdString(path), "PNG");
}
