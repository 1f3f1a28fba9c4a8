// The resources are attached to this library by qt_add_resources; this file only gives it a body.
namespace quintavia {
int resourcesAnchor() { return 0; }
}
