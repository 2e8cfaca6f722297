#include "hostapp/Report.h"

#include "hostapp/JsonWriter.h"

namespace {

void WriteResult(JsonWriter& json, const char* key, const std::optional<host::addon::HostResult>& result) {
    json.Key(key);
    if (result) {
        json.Integer(*result);
    } else {
        json.Null();
    }
}

void WriteAddOn(JsonWriter& json, const HostJournal& journal) {
    json.Key("addon").BeginObject();
    json.Key("library").String(journal.libraryPath);
    json.Key("name").String(journal.name);
    json.Key("description").String(journal.description);
    json.Key("results").BeginObject();
    WriteResult(json, "DescribeAddOn", journal.results.describe);
    WriteResult(json, "RegisterAddOnMenu", journal.results.registerMenu);
    WriteResult(json, "InitializeAddOn", journal.results.initialize);
    WriteResult(json, "ReleaseAddOn", journal.results.release);
    json.EndObject();
    json.Key("released").Bool(journal.released);
    json.Key("unloaded").Bool(journal.unloaded);
    json.EndObject();
}

void WriteMenus(JsonWriter& json, const HostJournal& journal) {
    json.Key("menus").BeginArray();
    for (const HostMenu& menu : journal.menus) {
        json.BeginObject();
        json.Key("id").Integer(menu.menuStringsId);
        json.Key("texts").StringArray(menu.texts);
        json.Key("promptsId").Integer(menu.promptStringsId);
        json.Key("prompts").StringArray(menu.prompts);
        json.EndObject();
    }
    json.EndArray();
}

void WriteMaterials(JsonWriter& json, const HostJournal& journal) {
    json.Key("materials").BeginArray();
    for (const HostMaterial& material : journal.materials) {
        json.BeginObject();
        json.Key("name").String(material.name);
        json.Key("surface").BeginArray();
        for (const double channel : material.surface) {
            json.Number(channel);
        }
        json.EndArray();
        json.Key("textureSwitch").Integer(material.textureSwitch);
        json.Key("texture").StringOrNull(material.texture);
        json.EndObject();
    }
    json.EndArray();
}

void WriteAlerts(JsonWriter& json, const HostJournal& journal) {
    json.Key("alerts").BeginArray();
    for (const AlertRecord& alert : journal.alerts) {
        json.BeginObject();
        json.Key("type").String(alert.type);
        json.Key("title").String(alert.title);
        json.Key("text").String(alert.text);
        json.Key("buttons").StringArray(alert.buttons);
        json.EndObject();
    }
    json.EndArray();
}

void WriteDialogRuns(JsonWriter& json, const HostJournal& journal) {
    json.Key("dialogRuns").BeginArray();
    for (const DialogRun& run : journal.dialogRuns) {
        json.BeginObject();
        json.Key("accepted").Bool(run.accepted);
        json.Key("closed").Bool(run.closed);
        json.Key("drawnAt");
        if (run.drawnAt) {
            json.Number(*run.drawnAt);
        } else {
            json.Null();
        }
        json.EndObject();
    }
    json.EndArray();
}

void WriteNotifications(JsonWriter& json, const HostJournal& journal) {
    json.Key("notifications").BeginArray();
    for (const NotificationRecord& notification : journal.notifications) {
        json.BeginObject();
        json.Key("notification").Integer(notification.notification);
        json.Key("result").Integer(notification.result);
        json.EndObject();
    }
    json.EndArray();
    json.Key("serviceCalls").BeginObject();
    for (const auto& [service, count] : journal.serviceCalls) {
        json.Key(service).Integer(count);
    }
    json.EndObject();
}

} // namespace

std::string FormatReport(const HostJournal& journal) {
    JsonWriter json;
    json.BeginObject();
    WriteAddOn(json, journal);
    WriteMenus(json, journal);
    WriteMaterials(json, journal);
    json.Key("libraryFolders").StringArray(journal.libraryFolders);
    WriteAlerts(json, journal);
    json.Key("debug").StringArray(journal.debugLines);
    WriteDialogRuns(json, journal);
    json.Key("webLinks").StringArray(journal.webLinks);
    WriteNotifications(json, journal);
    json.EndObject();
    return json.GetText();
}
