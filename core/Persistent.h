#pragma once

// Objects whose attributes can be copied from another object of a compatible
// kind. Assign asks the target first; a target that does not know the source
// hands over to the source's AssignTo, and when neither knows the other the
// copy fails with "Cannot assign a <source> to a <target>", changing nothing.

#include <string>

#include "core/Errors.h"

namespace ostrak {

class TPersistent {
public:
  virtual ~TPersistent() = default;

  // The class name as the system names it ("TNavPanelColors"); it appears in
  // assignment errors.
  virtual std::string ClassName() const = 0;

  virtual void Assign(const TPersistent& source) { source.AssignTo(*this); }

protected:
  TPersistent() = default;
  TPersistent(const TPersistent&) = default;
  TPersistent& operator=(const TPersistent&) = default;

  virtual void AssignTo(TPersistent& target) const {
    throw AssignError::Between(ClassName(), target.ClassName());
  }
};

}  // namespace ostrak
