#include "ToolkitTest.h"

#include "host/DialogDriver.h"
#include "host/ModalDialog.h"

namespace {

using namespace toolkit_test;
using host::DialogItemKind;
using host::Rect;

class DialogBuild : public ToolkitTest {};

TEST_F(DialogBuild, ItemsKeepTheirTemplateRectanglesAndTextsAreConverted) {
    host::ModalDialog dialog(SampleTemplate());
    ASSERT_TRUE(dialog.IsValid());
    host::PushButton close(dialog, CloseId);
    host::LeftText label(dialog, LabelId);
    host::PopUp popUp(dialog, PopUpId);
    host::PushCheck check(dialog, CheckId);
    host::Separator horizontal(dialog, HorizontalId);
    host::Separator vertical(dialog, VerticalId);
    host::IconPushButton icon(dialog, IconId);

    EXPECT_EQ(close.GetRect(), Rect(10, 160, 90, 185));
    EXPECT_EQ(label.GetRect(), Rect(10, 40, 210, 57));
    EXPECT_EQ(popUp.GetRect(), Rect(10, 60, 210, 79)) << "a popup has its closed height";
    EXPECT_EQ(check.GetRect(), Rect(10, 90, 130, 111));
    EXPECT_EQ(horizontal.GetRect(), Rect(10, 120, 290, 120));
    EXPECT_EQ(vertical.GetRect(), Rect(150, 125, 150, 155));
    EXPECT_EQ(icon.GetRect(), Rect(220, 40, 292, 112));

    EXPECT_EQ(close.GetText(), "Bezár");
    EXPECT_EQ(label.GetText(), "Felület kiválasztása:");
    EXPECT_EQ(check.GetText(), "Választható");

    const host::DialogState state = host::DialogDriver(dialog).GetState();
    EXPECT_EQ(state.title, "Színválasztó");
    EXPECT_EQ(state.width, 300);
    EXPECT_EQ(state.height, 200);
    EXPECT_FALSE(state.open);
    ASSERT_EQ(state.items.size(), 8u);
    for (const host::ItemState& item : state.items) {
        EXPECT_TRUE(item.visible) << item.id;
        EXPECT_TRUE(item.enabled) << item.id;
    }
    EXPECT_EQ(state.items[PictureId - 1].kind, std::int16_t(DialogItemKind::Picture));
    EXPECT_EQ(state.items[PictureId - 1].rect, Rect(5, 5, 45, 35));
}

TEST_F(DialogBuild, ObjectsOfTheWrongKindOrIdStayUnboundAndDoNothing) {
    host::ModalDialog dialog(SampleTemplate());
    host::PopUp notAPopUp(dialog, CloseId);
    host::PushButton missing(dialog, 99);
    host::Separator notASeparator(dialog, LabelId);
    host::UserItem notAUserItem(dialog, CheckId);
    EXPECT_FALSE(notAPopUp.IsBound());
    EXPECT_FALSE(missing.IsBound());
    EXPECT_FALSE(notASeparator.IsBound());
    EXPECT_FALSE(notAUserItem.IsBound());

    notAPopUp.AppendItem();
    notAPopUp.SelectItem(1);
    missing.SetText("x");
    missing.Hide();
    EXPECT_EQ(notAPopUp.GetItemCount(), 0);
    EXPECT_EQ(missing.GetText(), "");
    EXPECT_EQ(missing.GetRect(), Rect());
    EXPECT_FALSE(missing.IsVisible());
    EXPECT_EQ(host::PushButton(dialog, CloseId).GetText(), "Bezár");
}

TEST_F(DialogBuild, MalformedTemplatesGiveInvalidDialogs) {
    std::vector<host::DialogTemplate> templates(4, SampleTemplate());
    templates[0].items[1].id = CloseId;
    templates[1].items[2].width = -1;
    templates[2].items[3].kind = DialogItemKind(0);
    templates[3].height = -5;
    for (const auto& t : templates) {
        host::ModalDialog dialog(t);
        EXPECT_FALSE(dialog.IsValid());
        EXPECT_FALSE(host::PushButton(dialog, CloseId).IsBound());
        EXPECT_EQ(dialog.AppendUserItem(0, 0, 10, 10), 0);
        EXPECT_FALSE(dialog.BeginModal());
        EXPECT_FALSE(dialog.Invoke());
    }
}

TEST_F(DialogBuild, UserItemsAreNumberedAboveTheHighestId) {
    auto t = SampleTemplate();
    t.items[0].id = 40;
    host::ModalDialog dialog(t);
    const std::int16_t first = dialog.AppendUserItem(20, 30, 50, 60);
    const std::int16_t second = dialog.AppendUserItem(0, 0, 0, 0);
    EXPECT_EQ(first, 41);
    EXPECT_EQ(second, 42);
    EXPECT_EQ(dialog.AppendUserItem(0, 0, -1, 5), 0);

    host::UserItem item(dialog, first);
    ASSERT_TRUE(item.IsBound());
    EXPECT_EQ(item.GetRect(), Rect(20, 30, 70, 90));
    EXPECT_EQ(item.GetWidth(), 50);
    EXPECT_EQ(item.GetHeight(), 60);
    EXPECT_TRUE(item.IsVisible());
    EXPECT_EQ(host::DialogDriver(dialog).GetItemState(first)->kind, host::UserItemKind);
}

TEST_F(DialogBuild, PopUpItemsAreNumberedFromOne) {
    host::ModalDialog dialog(SampleTemplate());
    host::PopUp popUp(dialog, PopUpId);
    for (const char* text : {"first", "second", "third"}) {
        popUp.AppendItem();
        popUp.SetItemText(popUp.GetItemCount(), text);
    }
    EXPECT_EQ(popUp.GetItemCount(), 3);
    EXPECT_EQ(popUp.GetSelectedItem(), 0);
    popUp.SelectItem(2);
    EXPECT_EQ(popUp.GetSelectedItem(), 2);
    EXPECT_EQ(popUp.GetItemText(2), "second");

    // Indexes out of range change nothing and read empty.
    popUp.SelectItem(4);
    popUp.SetItemText(0, "x");
    popUp.SetItemText(4, "x");
    popUp.DeleteItem(-1);
    popUp.DeleteItem(4);
    EXPECT_EQ(popUp.GetSelectedItem(), 2);
    EXPECT_EQ(popUp.GetItemText(4), "");
    EXPECT_EQ(popUp.GetItemCount(), 3);

    popUp.DeleteItem(1);
    EXPECT_EQ(popUp.GetItemText(1), "second");
    EXPECT_EQ(popUp.GetSelectedItem(), 1) << "the selection follows its item";
    popUp.DeleteItem(1);
    EXPECT_EQ(popUp.GetSelectedItem(), 0);
    popUp.SelectItem(1);
    popUp.SelectItem(0);
    EXPECT_EQ(popUp.GetSelectedItem(), 0);
    popUp.DeleteAllItems();
    EXPECT_EQ(popUp.GetItemCount(), 0);
}

TEST_F(DialogBuild, TextsThatAreNotUtf8AreRepaired) {
    host::ModalDialog dialog(SampleTemplate());
    host::LeftText label(dialog, LabelId);
    host::PopUp popUp(dialog, PopUpId);
    label.SetText("Sz\xEDn"); // Central European bytes handed in by mistake
    popUp.AppendItem();
    popUp.SetItemText(1, "a\xFF"
                         "b");
    EXPECT_EQ(label.GetText(), "Sz\uFFFDn");
    EXPECT_EQ(popUp.GetItemText(1), "a\uFFFDb");
}

TEST_F(DialogBuild, ProgramChangesNotifyNobody) {
    host::ModalDialog dialog(SampleTemplate());
    host::PopUp popUp(dialog, PopUpId);
    host::PushCheck check(dialog, CheckId);
    Recorder recorder;
    popUp.Attach(recorder);
    check.Attach(recorder);
    popUp.AppendItem();
    popUp.AppendItem();
    popUp.SelectItem(2);
    popUp.DeleteItem(2);
    check.SetOn();
    EXPECT_TRUE(check.IsOn());
    check.SetOff();
    EXPECT_FALSE(check.IsOn());
    EXPECT_TRUE(recorder.log.empty());
    popUp.Detach(recorder);
    check.Detach(recorder);
}

TEST_F(DialogBuild, ShowHideEnableDisable) {
    host::ModalDialog dialog(SampleTemplate());
    host::PushCheck check(dialog, CheckId);
    check.Hide();
    check.Disable();
    EXPECT_FALSE(check.IsVisible());
    EXPECT_FALSE(check.IsEnabled());
    auto state = host::DialogDriver(dialog).GetItemState(CheckId);
    EXPECT_FALSE(state->visible);
    EXPECT_FALSE(state->enabled);
    check.Show();
    check.Enable();
    EXPECT_TRUE(check.IsVisible());
    EXPECT_TRUE(check.IsEnabled());
}

TEST_F(DialogBuild, ItemObjectsMayOutliveTheirDialog) {
    auto dialog = std::make_unique<host::ModalDialog>(SampleTemplate());
    host::PushButton close(*dialog, CloseId);
    dialog.reset();
    EXPECT_FALSE(close.IsBound());
    close.SetText("gone");
    EXPECT_EQ(close.GetText(), "");
}

} // namespace
