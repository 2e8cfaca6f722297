#include "host/gtk/ClientArea.h"

#include <algorithm>

G_BEGIN_DECLS
#define TN_TYPE_CLIENT_AREA (tn_client_area_get_type())
G_DECLARE_FINAL_TYPE(TnClientArea, tn_client_area, TN, CLIENT_AREA, GtkFixed)
G_END_DECLS

struct _TnClientArea {
    GtkFixed parent;
    int width;
    int height;
};

G_DEFINE_TYPE(TnClientArea, tn_client_area, GTK_TYPE_FIXED)

namespace {

const char* const rectKey = "tn-item-rect";

void GetPreferredWidth(GtkWidget* widget, int* minimum, int* natural) {
    *minimum = *natural = TN_CLIENT_AREA(widget)->width;
}

void GetPreferredHeight(GtkWidget* widget, int* minimum, int* natural) {
    *minimum = *natural = TN_CLIENT_AREA(widget)->height;
}

void AllocateChild(GtkWidget* child, gpointer data) {
    const auto* area = static_cast<const GtkAllocation*>(data);
    const auto* rect = static_cast<const host::Rect*>(g_object_get_data(G_OBJECT(child), rectKey));
    if (!rect || !gtk_widget_get_visible(child)) {
        return;
    }
    GtkRequisition minimum;
    gtk_widget_get_preferred_size(child, &minimum, nullptr);
    GtkAllocation allocation{area->x + rect->GetLeft(), area->y + rect->GetTop(),
                             std::max<int>(rect->GetWidth(), minimum.width),
                             std::max<int>(rect->GetHeight(), minimum.height)};
    gtk_widget_size_allocate(child, &allocation);
}

// GtkFixed gives every child its natural size; the children are then given their rectangles.
void SizeAllocate(GtkWidget* widget, GtkAllocation* allocation) {
    GTK_WIDGET_CLASS(tn_client_area_parent_class)->size_allocate(widget, allocation);
    gtk_container_forall(GTK_CONTAINER(widget), AllocateChild, allocation);
}

} // namespace

static void tn_client_area_init(TnClientArea* area) {
    area->width = 0;
    area->height = 0;
}

static void tn_client_area_class_init(TnClientAreaClass* areaClass) {
    GtkWidgetClass* widgetClass = GTK_WIDGET_CLASS(areaClass);
    widgetClass->get_preferred_width = GetPreferredWidth;
    widgetClass->get_preferred_height = GetPreferredHeight;
    widgetClass->size_allocate = SizeAllocate;
}

namespace host {

GtkWidget* NewClientArea(int width, int height) {
    auto* area = TN_CLIENT_AREA(g_object_new(TN_TYPE_CLIENT_AREA, nullptr));
    area->width = std::max(width, 0);
    area->height = std::max(height, 0);
    return GTK_WIDGET(area);
}

void PlaceInClientArea(GtkWidget* area, GtkWidget* child, const Rect& rect) {
    g_object_set_data_full(G_OBJECT(child), rectKey, new Rect(rect),
                           [](gpointer data) { delete static_cast<Rect*>(data); });
    gtk_fixed_put(GTK_FIXED(area), child, rect.GetLeft(), rect.GetTop());
}

} // namespace host
