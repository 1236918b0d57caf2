// The splash window shown during start-up while its progress bar runs.
#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);
    ~frmSplash() override;

    // The load step: version, picture, the window shown, and the bar run to its end.
    void Form_Load();
    // Fills the bar 0, 2, ..., 16 with a wait for the next second of the clock between steps.
    void RunProgressBar();

    // The wait between two steps of the bar; by default a Pause of 0 seconds. Tests that
    // start the program replace it so that they do not wait out the splash; empty restores it.
    static void SetWait(std::function<void()> wait);

    QLabel *lblProductName = nullptr;
    QLabel *lblCompanyProduct = nullptr;
    QLabel *lblCompany = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *Label2 = nullptr; // the maker's web address
    QLabel *Image1 = nullptr; // the splash picture
    QLabel *Label1 = nullptr; // "Initializing..."
    QProgressBar *proBar = nullptr;
};
