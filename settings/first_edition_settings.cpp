#include "settings/first_edition_settings.h"

#include "platform/files/sequential_file.h"

namespace rallix {

void WriteFirstEditionSettings(const FirstEditionSettings& settings,
                               const std::filesystem::path& file) {
  SequentialWriter out(file);
  out.WriteInteger(settings.startColumn);
  out.WriteInteger(settings.ballSpeed);
  out.WriteInteger(settings.aiSpeed);
  out.Close();
}

FirstEditionSettings ReadFirstEditionSettings(const std::filesystem::path& file) {
  SequentialReader in(file);
  FirstEditionSettings s;
  s.startColumn = in.ReadInteger();
  s.ballSpeed = in.ReadInteger();
  s.aiSpeed = in.ReadInteger();
  return s;
}

}  // namespace rallix
