#pragma once

#include <memory>

#include <QByteArray>
#include <QDialog>

namespace Ui
{
class Spectrumdlg;
}

// The radio spectrum the coordinator last reported: one line per radio channel 11 to 26 with its level,
// and the channel in use.
class Spectrumdlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFirstChannel = 11;
    static constexpr int kChannels = 16;

    explicit Spectrumdlg(QWidget *parent = nullptr);
    ~Spectrumdlg() override;

    // The coordinator's spectrum (null before its first spectrum reply) and current channel; a copy.
    void SetSpectrumRecord(const QByteArray &levels, quint8 currentChannel);
    // Lists the levels and shows the channel; called once per dialog.
    void SetSpectrum();

public slots:
    void on_btnOk_clicked();

private:
    std::unique_ptr<Ui::Spectrumdlg> ui;
    QByteArray m_levels;
    quint8 m_currentChannel = 0;
};
