#pragma once
// "Network Mapping": asks the user to map one of the listed server directories
// to the client path that reaches it (or, in the reverse direction, a client
// directory to its server path), and returns the chosen entry.

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/mapping/path_mapper.h"

class QListWidget;
class QPushButton;

namespace mapping {

class NetworkMappingDialog : public QDialog {
    Q_OBJECT

public:
    NetworkMappingDialog(const MappingRequest& request, DirectoryMappings& mappings, settings::RegistryAccess& registry,
                         platform::MessageSink& messages, QWidget* parent = nullptr);

    // After OK: the selected entry's server directory (server to client) or
    // client path (client to server).
    std::optional<std::string> Chosen() const { return chosen_; }

signals:
    void HelpRequested(const QString& helpFile, int topic);

public slots:
    // "Map  Network Drive": edits the selected entry's path.
    void MapSelectedEntry();

private:
    void FillLists();
    void FillRow(int row);
    void SelectRow(int row);
    void Accept();

    MappingDirection direction_;
    settings::RegistryAccess& registry_;
    platform::MessageSink& messages_;
    std::vector<DirectoryMapping*> rows_;
    std::optional<std::string> chosen_;

    QListWidget* serverList_;
    QListWidget* clientList_;
    QPushButton* mapButton_;
    QPushButton* okButton_;
};

// The "ask the user" step of the path mapper, as this dialog. The registry
// and the sink must outlive the prompt.
MappingPrompt MakeNetworkMappingPrompt(QWidget* parent, settings::RegistryAccess& registry, platform::MessageSink& messages,
                                       std::function<void(const QString& helpFile, int topic)> help = {});

}  // namespace mapping
