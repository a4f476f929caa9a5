// THIDropFile: files dropped on a window from the file manager, as events.
//
// Once EnableDrop has run (queued for the start-up run), a drop of local files on the window
// (or on any of its controls, none of which take drops themselves) raises onStartDrop, one
// onDropFile per file in the order the drop lists them, then onEndDrop. A path that code page
// 1251 cannot write is left out and named on standard error.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "objlib/qt/TControl.h"
#include "runtime/Dispatch.h"

class QUrl;

class THIDropFile {
public:
    // Watches `window` for drops and queues EnableDrop.
    explicit THIDropFile(TControl* window);
    // Stops watching and stops accepting drops.
    ~THIDropFile();
    THIDropFile(const THIDropFile&) = delete;
    THIDropFile& operator=(const THIDropFile&) = delete;

    // The window starts accepting dropped files.
    void EnableDrop();

    TControl* Window;
    THI_Event onStartDrop;  // NULL
    THI_Event onDropFile;   // String: the file's full path (cp1251)
    THI_Event onEndDrop;    // NULL

private:
    friend class TDropFilter;
    void Dropped(const QList<QUrl>& urls);

    QPointer<QWidget> widget_;
    std::unique_ptr<QObject> filter_;
};
