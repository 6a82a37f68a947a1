#include "SampleLinesRun.h"

#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/GraphOutputGroup.h"
#include "graphs/ui/OutputTexts.h"
#include "graphs/ui/PrintActions.h"
#include "platform/ScriptedMessageService.h"
#include "platform/ScriptedOutputServices.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using kvor::MessageAnswer;

struct ExportFixture {
    ExportFixture() : Output(Messages, Dir.path() + "/") {
        Output.SetFiles(&Files);
        Output.SetClipboard(&Clipboard);
    }
    QString Path(const QString& name) const { return Dir.filePath(name); }

    QTemporaryDir Dir;
    kvor::ScriptedMessageService Messages;
    kvor::ScriptedFileDialogService Files;
    kvor::ScriptedClipboardService Clipboard;
    kvor::GraphOutputContext Output;
};

TEST(ChooseExportFileName, NamesKindsAndAnswers) {
    struct Case {
        const char* typed; // null: the dialog is cancelled
        int kind;
        std::optional<MessageAnswer> answer;
        bool accepted;
        const QString* message;
    };
    const Case cases[] = {
        {".bmp", 1, {}, false, &kvor::OutputTexts::InvalidFileName},
        {"x.bmp", 1, {}, true, nullptr},
        {"x.BMP", 1, {}, true, nullptr},
        {"x", 1, MessageAnswer::Ok, true, &kvor::OutputTexts::NoBmpExtension},
        {"x", 1, MessageAnswer::Cancel, false, &kvor::OutputTexts::NoBmpExtension},
        {"x.bmp", 2, MessageAnswer::Ok, true, &kvor::OutputTexts::NoEmfExtension},
        {"x.txt", 3, {}, true, nullptr},
        {"x.txt", 4, {}, true, nullptr},
        {nullptr, 1, {}, false, nullptr},
    };
    for (const Case& c : cases) {
        ExportFixture f;
        if (c.typed == nullptr) {
            f.Files.QueueCancel();
        } else {
            f.Files.QueueName(f.Path(c.typed));
        }
        if (c.answer) {
            f.Messages.QueueAnswer(*c.answer);
        }
        const QString name =
            kvor::ChooseExportFileName(f.Output, nullptr, f.Output.ExportFolder, c.kind);
        const QString label = QString("%1 kind %2").arg(c.typed).arg(c.kind);
        EXPECT_EQ(name, c.accepted ? f.Path(c.typed) : QString()) << label.toStdString();
        if (c.message == nullptr) {
            EXPECT_TRUE(f.Messages.Messages().isEmpty()) << label.toStdString();
        } else {
            ASSERT_EQ(f.Messages.Messages().size(), 1) << label.toStdString();
            EXPECT_EQ(f.Messages.Messages().front().Text, *c.message);
            EXPECT_EQ(f.Messages.Beeps(), 1);
        }
    }
}

TEST(ChooseExportFileName, TheDialogGetsTheKindsNameTitleFilterAndFolder) {
    ExportFixture f;
    kvor::ChooseExportFileName(f.Output, nullptr, "/some/folder/", 4);
    ASSERT_EQ(f.Files.Requests.size(), 1);
    const kvor::SaveFileRequest& request = f.Files.Requests.front();
    EXPECT_EQ(request.FileName, "KVORVarianceFunctions.EMF");
    EXPECT_EQ(request.Title, " Export Enhanced Metafile");
    EXPECT_EQ(request.Filter, "Enhanced Metafiles (*.EMF)|*.EMF");
    EXPECT_EQ(request.Folder, "/some/folder/");
}

struct DiskFileFixture : ExportFixture {
    DiskFileFixture() {
        Group = std::make_unique<kvor::TGraphOutputGroup>(
            *Graph, Output, kvor::GraphOutputSpec{1, 2, 5, "KVOR Regression Plot"}, &Dialog);
        Dialog.show();
    }
    void Click() {
        QTest::mouseClick(Group->findChild<QPushButton*>("FileButton"), Qt::LeftButton);
    }
    QStringList Entries(const QString& folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    SampleLinesRun Run;
    std::unique_ptr<kvor::TSampleLinesGraph> Graph = Run.Graph();
    QDialog Dialog;
    std::unique_ptr<kvor::TGraphOutputGroup> Group;
};

TEST(DiskFile, ANameWithoutExtensionIsWrittenAsItStandsWhenConfirmed) {
    DiskFileFixture f;
    f.Files.QueueName(f.Path("x"));
    f.Messages.QueueAnswer(MessageAnswer::Cancel);
    f.Click();
    EXPECT_TRUE(f.Entries(f.Dir.path()).isEmpty());

    f.Files.QueueName(f.Path("x"));
    f.Messages.QueueAnswer(MessageAnswer::Ok);
    f.Click();
    EXPECT_EQ(f.Entries(f.Dir.path()), QStringList{"x"});
    EXPECT_EQ(QImage(f.Path("x"), "BMP").size(), QSize(1920, 1440));
    EXPECT_EQ(f.Output.ExportFolder, f.Dir.path() + "/");
}

TEST(DiskFile, FailedWritesTellTheUserAndStillMoveTheExportFolder) {
    struct Case {
        const char* name;
        bool metafile;
    };
    for (const Case c :
         {Case{"gone/x.bmp", false}, Case{"folder.bmp", false}, Case{"folder.bmp", true}}) {
        DiskFileFixture f;
        ASSERT_TRUE(QDir(f.Dir.path()).mkdir("folder.bmp"));
        if (c.metafile) {
            f.Group->findChild<QRadioButton*>("EMFRadioButton")->setChecked(true);
            f.Messages.QueueAnswer(MessageAnswer::Ok); // no .EMF extension
        }
        const kvor::GraphGeometry before = f.Graph->Geometry;
        f.Files.QueueName(f.Path(c.name));
        f.Click();
        const QString& expected = c.metafile ? kvor::OutputTexts::MetafileWriteError
                                             : kvor::OutputTexts::BitmapWriteError;
        ASSERT_FALSE(f.Messages.Messages().isEmpty()) << c.name;
        EXPECT_EQ(f.Messages.Messages().back().Text, expected) << c.name;
        EXPECT_EQ(f.Messages.Messages().back().Kind, kvor::MessageKind::Error);
        EXPECT_EQ(f.Output.ExportFolder, QFileInfo(f.Path(c.name)).absolutePath() + "/") << c.name;
        EXPECT_EQ(f.Entries(f.Dir.path()), QStringList{"folder.bmp"}) << c.name;
        EXPECT_TRUE(f.Entries(f.Path("folder.bmp")).isEmpty());
        EXPECT_TRUE(f.Dialog.isEnabled());
        EXPECT_EQ(f.Graph->Geometry.Layout.GraphHeight, before.Layout.GraphHeight);
    }
}

} // namespace
