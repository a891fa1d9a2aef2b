#pragma once

#include <QString>
#include <QStringList>

// Starts another program without waiting for it.
class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

class QtProcessStarter final : public ProcessStarter {
 public:
  bool startDetached(const QString& program, const QStringList& arguments) override;
};
