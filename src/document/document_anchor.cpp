namespace quintavia {
int documentAnchor() { return 0; }
}
