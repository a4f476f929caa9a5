#include "components/window/THIDropFile.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <string>

#include "objlib/qt/QtText.h"

namespace {

bool HasLocalFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return false;
    const QList<QUrl> urls = mime->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

}  // namespace

// Takes the drag-and-drop events of the watched window.
class TDropFilter : public QObject {
public:
    explicit TDropFilter(THIDropFile& owner) : owner_(owner) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != owner_.widget_) return false;
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (!HasLocalFile(drag->mimeData())) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!HasLocalFile(drop->mimeData())) return false;
            drop->acceptProposedAction();
            owner_.Dropped(drop->mimeData()->urls());
            return true;
        }
        default:
            return false;
        }
    }

private:
    THIDropFile& owner_;
};

THIDropFile::THIDropFile(TControl* window)
    : Window(window), widget_(window->Widget()), filter_(std::make_unique<TDropFilter>(*this)) {
    if (widget_) widget_->installEventFilter(filter_.get());
    AddInit<&THIDropFile::EnableDrop>(*this);
}

THIDropFile::~THIDropFile() {
    if (!widget_) return;
    widget_->removeEventFilter(filter_.get());
    widget_->setAcceptDrops(false);
}

void THIDropFile::EnableDrop() {
    if (widget_) widget_->setAcceptDrops(true);
}

void THIDropFile::Dropped(const QList<QUrl>& urls) {
    RaiseNull(onStartDrop);
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        std::string cp1251;
        if (!FromQString(path, cp1251)) {
            std::fprintf(stderr, "morvane: dropped file left out, its name cannot be written in code page 1251: %s\n",
                         qUtf8Printable(path));
            continue;
        }
        RaiseString(onDropFile, Bytes(cp1251));
    }
    RaiseNull(onEndDrop);
}
