#pragma once
// "プリンタの設定": the queue, where it is ("場所:"), its properties ("プロパティ..."),
// the paper, the orientation and a maker page with the media type and quality. Changes
// go into a configuration of the chosen queue; OK makes it the application's printer.
#include <QDialog>
#include <memory>

class IPrinterService;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class TPrinterConfiguration;

class TfrmPrinterSetting : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPrinterSetting(IPrinterService& service, QWidget* parent = nullptr);
    ~TfrmPrinterSetting() override;

    // Reads the queue list again; the chosen queue stays when it still exists, else the
    // application's printer is chosen.
    void RefreshPrinters();
    // The configuration being edited (nullptr when there is no queue).
    TPrinterConfiguration* Configuration() const { return configuration_.get(); }
    // "Canon", "Epson" or "Other": the maker page shown.
    QString MakerPage() const;
    // Opens the properties dialog modelessly for tests; returns it.
    QDialog* OpenProperties();

    QComboBox* PrinterList() const { return printers_; }
    QLabel* PortLabel() const { return port_; }
    QPushButton* PropertiesButton() const { return properties_; }
    QComboBox* PaperList() const { return papers_; }
    QRadioButton* PortraitButton() const { return portrait_; }
    QRadioButton* LandscapeButton() const { return landscape_; }
    QComboBox* MediaBox() const { return canonMedia_; }
    QListWidget* MediaList() const { return epsonMedia_; }

    void accept() override;

private:
    void ChoosePrinter(const QString& queue);
    void ShowConfiguration();
    void FillChoices(QComboBox* box, const QString& keyword);
    void ChoosePaper(int index);
    void ChooseOrientation();
    void ChooseOption(const QString& keyword, const QString& choice);

    IPrinterService& service_;
    std::unique_ptr<TPrinterConfiguration> configuration_;
    bool filling_ = false;

    QComboBox* printers_;
    QLabel* port_;
    QPushButton* properties_;
    QComboBox* papers_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QStackedWidget* makerPages_;
    QComboBox* cartridge_;
    QComboBox* canonMedia_;
    QComboBox* canonQuality_;
    QListWidget* epsonMedia_;
    QSlider* epsonQuality_;
    QLabel* epsonNote_;
};
