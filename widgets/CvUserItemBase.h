#pragma once

#include "host/UserItem.h"
#include "host/UserItemObserver.h"
#include "widgets/CvItemBase.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace host {
class ModalDialog;
struct MousePosition;
} // namespace host

// A user item of the dialog that draws itself: it owns a list of drawn elements, draws through an
// off-screen bitmap on every update, routes clicks to the element under the mouse and shows a hover
// label for the element the mouse rests on. Subclasses define Draw and end it with DrawHoverLabel.
//
// The elements are drawn and hit-tested in the order they were added; the first visible element
// whose rectangle holds a point is the one hit.
class CvUserItemBase : public host::UserItem,
                       public host::UserItemObserver,
                       public host::UserItemDragSourceObserver,
                       public host::UserItemDropTargetObserver,
                       public CvItemBase {
public:
    // Binds to user item `itemId` of the dialog and observes it.
    CvUserItemBase(host::ModalDialog& panel, std::int16_t itemId);
    ~CvUserItemBase() override;

    // As a dialog item, the user item answers its place and shown state in the dialog; the drawn
    // element's own answers stay reachable as CvItemBase::GetRect and CvItemBase::IsVisible.
    using host::UserItem::GetRect;
    using host::UserItem::IsVisible;

    // The mouse is over this item at the record's offset, or (null) elsewhere. Redraws only when the
    // element under the mouse changes.
    virtual void UpdateHover(const host::MousePosition* position);
    virtual void HandleUpdate(const host::UserItemUpdateEvent& event);
    virtual void HandleClick(const host::UserItemMouseEvent& event);
    // A double click runs the element's click action, then its double-click action.
    virtual void HandleDoubleClick(const host::UserItemMouseEvent& event);

    void UserItemUpdate(const host::UserItemUpdateEvent& event) override { HandleUpdate(event); }
    void UserItemClicked(const host::UserItemMouseEvent& event) override { HandleClick(event); }
    void UserItemDoubleClicked(const host::UserItemMouseEvent& event) override { HandleDoubleClick(event); }

    // Appends an element, which the user item owns from now on; answers it.
    CvItemBase* AddItem(std::unique_ptr<CvItemBase> element);
    // The label of the hovered element's hover text, hanging below the point where the mouse entered
    // it and kept inside the item.
    void DrawHoverLabel(host::DrawContext& context);

    host::Point GetHoverPoint() const { return hoverPoint; }
    CvItemBase* GetHoveredItem() const { return hoveredItem; }

protected:
    // The first visible element under `point`, or null.
    CvItemBase* FindItemAt(host::Point point) const;
    void DrawBackground(host::DrawContext& context) const;
    // The visible elements, in list order.
    void DrawElements(host::DrawContext& context) const;
    // Tells readers of the dialog which elements are shown, their names and selection.
    void PublishAccessibleElements();

    std::vector<std::unique_ptr<CvItemBase>> items;

private:
    CvItemBase* hoveredItem = nullptr;
    host::Point hoverPoint;
    std::string shownLabel; // the text of the hover label the last update drew
};
