#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

class QAction;
class QLabel;
class QScrollArea;

// The program's one picture viewer window. Acquire() gives the window (made
// on first use), OpenPicture() shows a picture in it. The picture is decoded
// on the thread pool so that a large file never stalls the window; a file
// that cannot be read is reported through the prompter, naming it.
class TPictureViewer : public QWidget
{
    Q_OBJECT

public:
    // The single viewer window; created hidden when none exists. It frees
    // itself when closed.
    static TPictureViewer *Acquire();
    static bool Exists();

    // Starts loading; the window shows and raises itself at once.
    void OpenPicture(const QString &fileName);
    QString FileName() const { return m_fileName; }
    const QImage &Picture() const { return m_picture; }
    bool IsLoading() const { return m_loading > 0; }

    bool FitToWindow() const;
    void SetFitToWindow(bool fit);
    void ZoomBy(double factor);
    double Zoom() const { return m_zoom; }

signals:
    // The picture asked for last was read (true) or could not be (false).
    void pictureLoaded(bool ok);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    TPictureViewer();
    void loaded(const QString &fileName, const QImage &image, int ticket);
    void showScaled();

    QScrollArea *const m_area;
    QLabel *const m_label;
    QAction *m_fit = nullptr;
    QString m_fileName;
    QImage m_picture;
    double m_zoom = 1.0;
    int m_ticket = 0;
    int m_loading = 0;
    static QPointer<TPictureViewer> s_instance;
};
