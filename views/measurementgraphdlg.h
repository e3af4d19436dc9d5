#pragma once

#include <memory>

#include "views/graphdialog.h"

class MeasurementGraphWidget;

namespace Ui
{
class MeasurementGraphDlg;
}

// A full-screen dialog holding one reaction graph panel in a scroll area; it saves a screenshot of the
// desktop under the name its caller gives.
class MeasurementGraphDlg : public GraphDialog
{
    Q_OBJECT

public:
    // level: the application mode, handed to the dialog's own panel.
    MeasurementGraphDlg(QWidget *parent, int level);
    ~MeasurementGraphDlg() override;

    // The panel in the scroll area: the dialog's own, or the one that took its place.
    MeasurementGraphWidget *graphWidget() const;
    void setGraphWidget(MeasurementGraphWidget *panel);

    void setImageFormat(const QString &format) { m_imageFormat = format; }
    // Without extension: "<results folder>/<race file name>_lane<L>" or "..._all_lanes".
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    QString imageFormat() const { return m_imageFormat; }
    QString fileName() const { return m_fileName; }

public slots:
    void OnTakePrintScreen();

private:
    std::unique_ptr<Ui::MeasurementGraphDlg> ui;
    QString m_imageFormat;
    QString m_fileName;
};
