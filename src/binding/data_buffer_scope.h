// Owns a host data buffer for a scope: the buffer is freed once, with qxApi_DmsDataBufferFree,
// whatever happens in the scope. A select that gave no buffer (handle 0) has nothing to free.
//
//   DataBufferScope buffer(qxApi_SelectDocumentDataBuffer(projectId, documentId));
//   if (buffer.get() && qxApi_DmsDataBufferGetCount(buffer.get()) == 1) ...
#pragma once

#include "tarnwick/ov_host_api.h"

namespace Tarnwick::OvWrapper::detail {

class DataBufferScope {
 public:
  explicit DataBufferScope(HostHandle handle) : handle_(handle) {}
  ~DataBufferScope() {
    if (handle_) qxApi_DmsDataBufferFree(handle_);
  }
  DataBufferScope(const DataBufferScope&) = delete;
  DataBufferScope& operator=(const DataBufferScope&) = delete;
  HostHandle get() const { return handle_; }

 private:
  HostHandle handle_;
};

}  // namespace Tarnwick::OvWrapper::detail
