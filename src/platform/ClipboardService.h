#pragma once

class QByteArray;
class QImage;
class QString;

namespace kvor {

// Pictures and rich text for the clipboard; each call replaces the clipboard's contents.
class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual bool SetBitmap(const QImage& image) = 0;
    virtual bool SetMetafile(const QByteArray& emf) = 0;
    // Formatted text (HTML) together with its plain-text form.
    virtual bool SetRichText(const QString& html, const QString& plain) = 0;
};

} // namespace kvor
