#pragma once

#include <QIcon>
#include <QList>
#include <QString>

namespace controles {

struct ListImage {
    QString Key;
    QString Tag;
    QIcon Picture;
};

// Pictures for list and tree rows, addressed from 1 as the windows count them, or by key.
class ImageList {
public:
    // Returns the new image's index.
    int Add(const QIcon& imagen, const QString& clave = {}, const QString& tag = {});
    int Count() const { return imagenes_.size(); }
    const ListImage& ListImages(int indice) const;
    const ListImage& ListImages(const QString& clave) const;
    void Clear() { imagenes_.clear(); }
    // The picture of an index; an empty icon for 0 or an index without an image, so rows
    // asking for no picture show none.
    QIcon Imagen(int indice) const;

private:
    QList<ListImage> imagenes_;
};

} // namespace controles
