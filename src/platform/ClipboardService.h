#pragma once

class QByteArray;
class QImage;

namespace kvor {

// Pictures for the clipboard; each call replaces the clipboard's contents.
class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual bool SetBitmap(const QImage& image) = 0;
    virtual bool SetMetafile(const QByteArray& emf) = 0;
};

} // namespace kvor
