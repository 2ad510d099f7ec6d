#pragma once
// The printer: a print job of pages drawn on a canvas in device units (dots).

#include <string>

#include "platform/Canvas.h"

namespace moyo::platform {

class Printer {
 public:
  virtual ~Printer() = default;

  // Printable page width and height in dots.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  // The printer's resolution, dots per inch.
  virtual int DotsPerInch() const = 0;

  // Begins a job with the given title; false when the printer cannot print.
  // Its first page begins when PageCanvas is first asked for.
  virtual bool BeginJob(const std::string& title) = 0;
  // Ends the current page (blank if nothing was drawn) and begins the next;
  // false when that fails.
  virtual bool NewPage() = 0;
  // Ends the job, delivering its pages (none when no page was begun); false
  // when they could not be delivered. Safe to call when no job runs.
  virtual bool EndJob() = 0;
  // The canvas of the current page, one unit a dot, beginning the page if
  // needed; nullptr outside a job or when the page cannot begin.
  virtual Canvas* PageCanvas() = 0;
};

}  // namespace moyo::platform
