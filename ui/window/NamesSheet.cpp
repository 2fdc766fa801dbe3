#include "window/NamesSheet.h"

#include "run/ImportOptions.h"
#include "run/Preferences.h"
#include "window/JobExample.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>
#include <QVBoxLayout>

#include <string_view>

namespace kestrel {

namespace {

// What a pattern's field holds when it is first switched on.
constexpr char kNameSuggestion[] = "{taken:%Y%m%d-%H%M%S}_{job}_{seq:4}{ext}";
constexpr char kFolderSuggestion[] = "{tag}/{taken:%Y}/{taken:%Y-%m-%d} {job}";

// The fields a pattern's menu inserts, each with what it stands for.
struct Field {
    const char* text;
    const char* meaning;
};
constexpr Field kFields[] = {
    {"{name}",
     QT_TRANSLATE_NOOP("kestrel::NamesSheet", "the name on the card, without its ending")},
    {"{ext}", QT_TRANSLATE_NOOP("kestrel::NamesSheet", "the ending as on the card (.JPG)")},
    {"{ext:lower}", QT_TRANSLATE_NOOP("kestrel::NamesSheet", "the ending in lower case (.jpg)")},
    {"{taken:%Y-%m-%d}",
     QT_TRANSLATE_NOOP("kestrel::NamesSheet", "the day it was taken (any strftime format)")},
    {"{taken:%H%M%S}", QT_TRANSLATE_NOOP("kestrel::NamesSheet", "the time it was taken")},
    {"{seq:4}", QT_TRANSLATE_NOOP("kestrel::NamesSheet",
                                  "the job's next number in 4 digits (1 to 9), one per photo "
                                  "and its twins")},
    {"{job}", QT_TRANSLATE_NOOP("kestrel::NamesSheet", "the job")},
    {"{camera}", QT_TRANSLATE_NOOP("kestrel::NamesSheet", "the camera's model")},
    {"{card}", QT_TRANSLATE_NOOP("kestrel::NamesSheet", "the card's name")},
    {"{tag}", QT_TRANSLATE_NOOP("kestrel::NamesSheet",
                                "JPG or RAW: the file's group, or that of the JPG it goes with")},
};

// A metadata field: its label, its key and the name tests and tools know it by.
struct Text {
    const char* label;
    const char* key;
    const char* name;
};
constexpr Text kMetadata[] = {
    {QT_TRANSLATE_NOOP("kestrel::NamesSheet", "Cr&eator:"), keys::Creator, "editCreator"},
    {QT_TRANSLATE_NOOP("kestrel::NamesSheet", "Co&pyright notice:"), keys::Copyright,
     "editCopyright"},
    {QT_TRANSLATE_NOOP("kestrel::NamesSheet", "Cre&dit line:"), keys::Credit, "editCredit"},
    {QT_TRANSLATE_NOOP("kestrel::NamesSheet", "&Keywords:"), keys::Keywords, "editKeywords"},
    {QT_TRANSLATE_NOOP("kestrel::NamesSheet", "Descr&iption:"), keys::Description,
     "editDescription"},
};

constexpr char kMarked[] = "QLineEdit { border: 2px solid #c62828; }";

// The keywords of text without the spaces around each, separated by ", ".
QString tidyKeywords(const QString& text) {
    QStringList words;
    for (const std::string& word : splitKeywords(text.toStdString()))
        words.append(QString::fromStdString(word));
    return words.join(QStringLiteral(", "));
}

} // namespace

NamesSheet::NamesSheet(QSettings& preferences, QWidget* parent)
    : QDialog(parent), preferences_(preferences) {
    setWindowModality(Qt::WindowModal);
    build();
    showStored();
    updateExample();
}

void NamesSheet::build() {
    setObjectName(QStringLiteral("namesSheet"));
    setWindowTitle(tr("Names and Folders"));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    auto* names = new QGroupBox(tr("Names and folders of the copies"), this);
    auto* form = new QFormLayout(names);
    rename_ = new QCheckBox(tr("&Rename files:"), names);
    namePattern_ = patternRow(rename_, kNameSuggestion, form);
    folders_ = new QCheckBox(tr("File in &folders by a pattern:"), names);
    folderPattern_ = patternRow(folders_, kFolderSuggestion, form);
    auto* job = new QLineEdit(names);
    job->setObjectName(QStringLiteral("editJob"));
    job->setPlaceholderText(tr("for {job}, e.g. wedding"));
    connect(job, &QLineEdit::textChanged, this, &NamesSheet::updateExample);
    form->addRow(tr("&Job:"), job);
    texts_.emplace_back(job, keys::Job);
    auto* legend = new QLabel(tr("Fields: {name} {ext} {ext:lower} {taken:FORMAT} {seq:N} {job} "
                                 "{camera} {card} {tag}; {{ and }} stand for { and }. The {…} "
                                 "buttons insert one at the cursor."),
                              names);
    legend->setWordWrap(true);
    form->addRow(legend);
    example_ = new QLabel(names);
    example_->setObjectName(QStringLiteral("lblExample"));
    example_->setTextFormat(Qt::PlainText);
    example_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    example_->setAccessibleName(tr("Example"));
    form->addRow(tr("Example:"), example_);
    layout->addWidget(names);

    auto* metadata = new QGroupBox(tr("The photographer's metadata"), this);
    auto* metaForm = new QFormLayout(metadata);
    for (const Text& text : kMetadata) {
        auto* edit = new QLineEdit(metadata);
        edit->setObjectName(QLatin1String(text.name));
        metaForm->addRow(tr(text.label), edit);
        if (std::string_view(text.key) == keys::Keywords)
            edit->setPlaceholderText(tr("separated by commas"));
        texts_.emplace_back(edit, text.key);
    }
    auto* sidecars = new QHBoxLayout;
    sidecarName_ = new QRadioButton(tr("&NAME.xmp"), metadata);
    sidecarName_->setObjectName(QStringLiteral("radioSidecarName"));
    sidecarName_->setToolTip(
        tr("One sidecar for a photo and its RAW twin, as most editors read it"));
    sidecarNameExt_ = new QRadioButton(tr("NAME.EX&T.xmp"), metadata);
    sidecarNameExt_->setObjectName(QStringLiteral("radioSidecarNameExt"));
    sidecarNameExt_->setToolTip(tr("One sidecar for each file, also for a photo's RAW twin"));
    sidecars->addWidget(sidecarName_);
    sidecars->addWidget(sidecarNameExt_);
    sidecars->addStretch();
    metaForm->addRow(tr("Sidecar names:"), sidecars);
    auto* note = new QLabel(tr("When any of these is filled in, it goes into an XMP sidecar file "
                               "beside each copy, never into the copy: the copies stay byte for "
                               "byte as on the card."),
                            metadata);
    note->setWordWrap(true);
    metaForm->addRow(note);
    layout->addWidget(metadata);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->setObjectName(QStringLiteral("buttons"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &NamesSheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &NamesSheet::reject);
    layout->addWidget(buttons_);
}

QLineEdit* NamesSheet::patternRow(QCheckBox* box, const char* suggestion, QFormLayout* form) {
    // Edit and menu are switched on and off with the box, as one.
    auto* row = new QWidget(box->parentWidget());
    row->setEnabled(false);
    auto* edit = new QLineEdit(row);
    edit->setObjectName(box == rename_ ? QStringLiteral("editNamePattern")
                                       : QStringLiteral("editFolderPattern"));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(44, u'x')));
    edit->setAccessibleName(box->text().remove(u'&'));
    box->setObjectName(box == rename_ ? QStringLiteral("chkRename") : QStringLiteral("chkFolders"));
    auto* insert = new QToolButton(row);
    insert->setText(tr("{…}"));
    insert->setToolTip(tr("Insert a field at the cursor"));
    insert->setAccessibleName(tr("Insert a field"));
    insert->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(insert);
    for (const Field& field : kFields) {
        const QString text = QString::fromLatin1(field.text);
        QAction* action = menu->addAction(tr("%1 — %2").arg(text, tr(field.meaning)));
        connect(action, &QAction::triggered, edit, [edit, text] {
            edit->insert(text);
            edit->setFocus();
        });
    }
    insert->setMenu(menu);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(edit, 1);
    rowLayout->addWidget(insert);
    form->addRow(box, row);
    connect(box, &QCheckBox::toggled, this, [this, row, edit, suggestion](bool on) {
        row->setEnabled(on);
        if (on && edit->text().isEmpty())
            edit->setText(QString::fromUtf8(suggestion));
        updateExample();
    });
    connect(edit, &QLineEdit::textChanged, this, &NamesSheet::updateExample);
    return edit;
}

void NamesSheet::showStored() {
    const JobPatterns stored = storedPatterns(preferences_);
    namePattern_->setText(stored.names);
    rename_->setChecked(!stored.names.isEmpty());
    folderPattern_->setText(stored.folders);
    folders_->setChecked(!stored.folders.isEmpty());
    for (const auto& [edit, key] : texts_)
        edit->setText(storedText(preferences_, key));
    const bool withEnding = getUserDefAsString(preferences_, keys::SidecarNames) == "name.ext";
    (withEnding ? sidecarNameExt_ : sidecarName_)->setChecked(true);
}

void NamesSheet::updateExample() {
    const bool renamed = rename_->isChecked();
    const bool filed = folders_->isChecked();
    const JobPatterns patterns{renamed ? namePattern_->text() : QString(),
                               filed ? folderPattern_->text() : QString(), texts_[0].first->text()};
    JobExample example = jobExample(patterns, readImportOptions(preferences_));
    // A pattern switched on but emptied would be stored as off.
    if (example.error.isEmpty() && renamed && patterns.names.isEmpty()) {
        example.error = tr("File names: type a pattern, or switch renaming off");
        example.badNames = true;
    } else if (example.error.isEmpty() && filed && patterns.folders.isEmpty()) {
        example.error = tr("Folders: type a pattern, or switch it off");
        example.badFolders = true;
    }
    const bool usable = example.error.isEmpty();
    for (const auto& [edit, bad] :
         {std::pair{namePattern_, example.badNames}, {folderPattern_, example.badFolders}}) {
        edit->setStyleSheet(bad ? QLatin1String(kMarked) : QString());
        edit->setAccessibleDescription(bad ? example.error : QString());
    }
    example_->setText(usable ? example.lines.join(u'\n') : example.error);
    example_->setStyleSheet(usable ? QString() : QStringLiteral("color: #c62828;"));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(usable);
}

void NamesSheet::accept() {
    const auto store = [this](const char* key, const QString& text) {
        storeString(preferences_, key, text.toStdString());
    };
    store(keys::NamePattern, rename_->isChecked() ? namePattern_->text() : QString());
    store(keys::FolderPattern, folders_->isChecked() ? folderPattern_->text() : QString());
    for (const auto& [edit, key] : texts_)
        store(key,
              std::string_view(key) == keys::Keywords ? tidyKeywords(edit->text()) : edit->text());
    store(keys::SidecarNames, QLatin1String(sidecarNameExt_->isChecked() ? "name.ext" : "name"));
    emit stored();
    QDialog::accept();
}

} // namespace kestrel
