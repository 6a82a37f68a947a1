#include "platform/ScriptedMessageService.h"
#include "platform/SystemSettings.h"

#include <gtest/gtest.h>

TEST(ScriptedMessageService, RecordsTextsAndAnswersFromItsQueue) {
    kvor::ScriptedMessageService messages;
    messages.QueueAnswer(kvor::MessageAnswer::No);
    messages.MessageBeep();
    EXPECT_EQ(messages.ShowMessage(kvor::MessageKind::Confirmation, "Export?",
                                   kvor::MessageButtons::YesNo),
              kvor::MessageAnswer::No);
    EXPECT_EQ(messages.ShowMessage(kvor::MessageKind::Error, "Failed.", kvor::MessageButtons::Ok),
              kvor::MessageAnswer::Ok);
    ASSERT_EQ(messages.Messages().size(), 2);
    EXPECT_EQ(messages.Messages()[1].Text, "Failed.");
    EXPECT_EQ(messages.Beeps(), 1);
}

TEST(ScriptedSystemSettings, AnnouncesEveryChange) {
    kvor::ScriptedSystemSettings settings;
    int changed = 0;
    QObject::connect(&settings, &kvor::SystemSettings::Changed, [&changed] { ++changed; });
    settings.SetDecimalSeparator(QLatin1Char(','));
    settings.SetShortDateFormat("yyyy-MM-dd");
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(settings.DecimalSeparator(), QLatin1Char(','));
}
