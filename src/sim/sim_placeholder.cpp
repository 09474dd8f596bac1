// The simulator arrives with its own change; this keeps the library target valid.
namespace qavi::sim {
int simulatorVersion() { return 0; }
}  // namespace qavi::sim
